// The emulator as a process: its three ports, its state file across a restart, and faults
// switched while it runs.
#include <gtest/gtest.h>

#include <memory>

#include "Bytes.h"
#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "Eventually.h"
#include "JobBytes.h"

namespace {

using wire::Hex;
using wire::WrappedRequest;

const Bytes kStatusQuery = Hex("73 74 01 00 01");
const Bytes kVersionQuery = Hex("56 49 02 00 01 00");

// The reply inside a wrapped channel's answer: the text from its marker on.
std::string WrappedReply(const Bytes& datagram) {
    const std::string text(datagram.begin(), datagram.end());
    const auto at = text.find("@BDC ");
    return at == std::string::npos ? std::string() : text.substr(at);
}

class EmulatorProcessTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        sandbox = std::make_unique<CupsSandbox>();
        ASSERT_TRUE(sandbox->Start());
    }
    static void TearDownTestSuite() { sandbox.reset(); }

    static inline std::unique_ptr<CupsSandbox> sandbox;
};

TEST_F(EmulatorProcessTest, ServesAllThreePortsAndKeepsItsStateAcrossARestart) {
    EmulatedPrinter printer(*sandbox, {.model = "ZENTA Corvid 2000", .speed = 0.001});
    ASSERT_TRUE(printer.Start());
    EXPECT_EQ(printer.StatusCode(), 4);

    {
        const PortConnection control = printer.ConnectControl();
        ASSERT_TRUE(control.Send(kVersionQuery));
        EXPECT_EQ(control.Receive(), wire::Reply("VI:00I10612;"));
        ASSERT_TRUE(control.Send(kStatusQuery));
        EXPECT_EQ(wire::StatusCodeOf(control.Receive()), 4);
    }
    {
        // Busy while a job is arriving, ready again once it has been taken in.
        const PortConnection partial = printer.ConnectRaw();
        ASSERT_TRUE(partial.Send(wire::EnterRemote()));
        EXPECT_TRUE(Eventually([&] { return printer.StatusCode() == 3; }));
    }
    EXPECT_TRUE(printer.WaitUntilReady());

    const Bytes packet = wire::SlotWrite(2, 1, 5, 8, "Matte Film");
    const Bytes job =
        wire::Concat({wire::EnterRemote(), packet, Hex("53 56 00 00"), wire::ExitRemote()});
    const PortConnection raw = printer.ConnectRaw();
    ASSERT_TRUE(raw.Send(job) && raw.Finish());
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 2);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs.back().Bytes(), job);
    const Bytes slotQuery = WrappedRequest(Hex("45 58 07 00 01 00 00 00 1B 81 00"));
    const std::string details = WrappedReply(printer.Datagram(slotQuery));
    EXPECT_EQ(details,
              "@BDC PS\r\nEX:0000001B" + ToHex(Bytes(packet.begin() + 9, packet.end())) + ";");

    printer.Stop();
    EXPECT_EQ(printer.WaitForJournal(EmulatedPrinter::Event("stop"), 1).size(), 1u);
    ASSERT_TRUE(printer.Start());
    EXPECT_EQ(WrappedReply(printer.Datagram(slotQuery)), details);
    const std::string history =
        WrappedReply(printer.Datagram(WrappedRequest(Hex("4A 49 02 00 01 00"))));
    EXPECT_EQ(history.rfind("@BDC PS\r\nJI:01", 0), 0u) << history;
}

TEST_F(EmulatorProcessTest, FaultsChangeWhatTheClientsSee) {
    EmulatedPrinter printer(*sandbox, {.model = "ZENTA Corvid 2000", .speed = 0.001});
    ASSERT_TRUE(printer.Start());
    const Bytes version = WrappedRequest(kVersionQuery);
    ASSERT_EQ(WrappedReply(printer.Datagram(version)), "@BDC PS\r\nVI:00I10612;");

    ASSERT_TRUE(printer.SetFaults({"drop=2"}));
    int answered = 0;
    for (int i = 0; i < 4; ++i) answered += printer.Datagram(version, 300).empty() ? 0 : 1;
    EXPECT_EQ(answered, 2);

    ASSERT_TRUE(printer.SetFaults({"slow=390"}));
    EXPECT_TRUE(printer.Datagram(version, 100).empty()) << "not yet";
    const PortConnection held = printer.ConnectControl();
    ASSERT_TRUE(held.Send(kVersionQuery));
    EXPECT_EQ(held.Receive(3000), wire::Reply("VI:00I10612;"));
    // A held-back reply wakes the emulator between its looks at the fault file; the change is
    // still taken within one look.
    ASSERT_TRUE(held.Send(kVersionQuery));
    ASSERT_TRUE(printer.SetFaults({"unreachable"}));
    EXPECT_TRUE(Eventually([&] { return !printer.ConnectControl().IsOpen(); }));
    EXPECT_TRUE(printer.Datagram(version, 300).empty());
}

}  // namespace
