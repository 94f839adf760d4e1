#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <sys/socket.h>

#include "EmulatorProcess.h"
#include "SnmpMessage.h"
#include "WireFormat.h"

namespace {

std::string Text(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// The text after the SNMP reply's marker (the wrapped reply is the last element of the datagram).
std::string WrappedReply(const Bytes& datagram) {
    const std::string text = Text(datagram);
    const auto at = text.find("@BDC ");
    return at == std::string::npos ? std::string() : text.substr(at);
}

// The status code of a wrapped status reply (field 01 comes first), -1 when there is none.
int StatusCode(const Bytes& datagram) {
    const std::string reply = WrappedReply(datagram);
    if (reply.size() < 15 || reply.compare(0, 10, "@BDC ST2\r\n") != 0 || reply[12] != 0x01)
        return -1;
    return static_cast<unsigned char>(reply[14]);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// Waits up to two seconds for the journal to contain text (at least times times).
bool JournalShows(const std::filesystem::path& journal, const std::string& text,
                  std::size_t times = 1) {
    for (int i = 0; i < 200; ++i) {
        if (Occurrences(ReadFile(journal), text) >= times) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

class EmulatorProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/emulator-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::vector<std::string> Arguments() const {
        return {"--model",      "ZENTA Corvid 2000",
                "--state",      (folder_ / "state.ini").string(),
                "--journal",    (folder_ / "journal.jsonl").string(),
                "--fault-file", (folder_ / "faults").string(),
                "--speed",      "0.001"};
    }

    std::filesystem::path folder_;
};

}  // namespace

TEST_F(EmulatorProcessTest, ServesAllThreePortsAndKeepsItsStateAcrossARestart) {
    EmulatorProcess emulator;
    std::string error;
    ASSERT_TRUE(emulator.Start("127.0.0.2", Arguments(), error)) << error;
    EXPECT_EQ(emulator.ReadyLine().rfind(
                  "printer-emulator ready: ZENTA Corvid 2000 on 127.0.0.2 raw ", 0),
              0u);

    EXPECT_EQ(StatusCode(emulator.Datagram(wire::WrappedRequest(wire::Hex("73 74 01 00 01")))), 4);

    SnmpMessage request;
    request.community = "public";
    request.bindings.push_back(
        {{1, 3, 6, 1, 4, 1, 2699, 1, 2, 1, 2, 1, 1, 3, 1}, SnmpMessage::kNull, {}});
    const Bytes deviceId = emulator.Datagram(request.Encode());
    EXPECT_NE(Text(deviceId).find("DES:ZENTA Corvid 2000;"), std::string::npos);

    const std::vector<Bytes> control =
        emulator.Control({wire::Hex("56 49 02 00 01 00"), wire::Hex("73 74 01 00 01")});
    ASSERT_EQ(control.size(), 2u);
    EXPECT_EQ(Text(control[0]), "@BDC PS\r\nVI:00I10612;");
    EXPECT_EQ(Text(control[1]).rfind("@BDC ST2\r\n", 0), 0u);

    using namespace wire;
    // Busy while a job is arriving, ready again once it has been taken in.
    const Bytes statusQuery = WrappedRequest(Hex("73 74 01 00 01"));
    {
        const FileDescriptor partial = emulator.ConnectRaw();
        ASSERT_TRUE(partial.Valid());
        const Bytes start = EnterRemote();
        ASSERT_EQ(send(partial.Get(), start.data(), start.size(), MSG_NOSIGNAL), 15);
        int busy = -1;
        for (int i = 0; i < 50 && busy != 3; ++i) busy = StatusCode(emulator.Datagram(statusQuery));
        EXPECT_EQ(busy, 3);
    }
    int ready = -1;
    for (int i = 0; i < 50 && ready != 4; ++i) ready = StatusCode(emulator.Datagram(statusQuery));
    EXPECT_EQ(ready, 4);

    const Bytes packet = SlotWrite(2, 1, 5, 8, "Matte Film");
    const Bytes job = Concat({EnterRemote(), packet, Hex("53 56 00 00"), ExitRemote()});
    ASSERT_TRUE(emulator.Job(job));
    const std::filesystem::path journal = folder_ / "journal.jsonl";
    EXPECT_TRUE(JournalShows(journal, "\"hex\":\"" + ToHex(job) + "\""));
    const std::string details =
        WrappedReply(emulator.Datagram(WrappedRequest(Hex("45 58 07 00 01 00 00 00 1B 81 00"))));
    EXPECT_EQ(details,
              "@BDC PS\r\nEX:0000001B" + ToHex(Bytes(packet.begin() + 9, packet.end())) + ";");

    // Faults while running: the agent falls silent and the control port closes.
    std::ofstream(folder_ / "faults") << "unreachable\n";
    ASSERT_TRUE(JournalShows(journal, "\"active\":\"unreachable\""));
    EXPECT_TRUE(emulator.Datagram(WrappedRequest(Hex("73 74 01 00 01")), 300).empty());
    EXPECT_TRUE(emulator.Control({Hex("73 74 01 00 01")}).empty());
    std::filesystem::remove(folder_ / "faults");
    ASSERT_TRUE(JournalShows(journal, "\"active\":\"none\"", 2)) << "once at start, once now";
    EXPECT_FALSE(emulator.Datagram(WrappedRequest(Hex("73 74 01 00 01"))).empty());

    EXPECT_EQ(emulator.Stop(), 0);
    EXPECT_TRUE(JournalShows(journal, "\"event\":\"stop\""));

    EmulatorProcess again;
    ASSERT_TRUE(again.Start("127.0.0.2", Arguments(), error)) << error;
    EXPECT_EQ(WrappedReply(again.Datagram(WrappedRequest(Hex("45 58 07 00 01 00 00 00 1B 81 00")))),
              details);
    const std::string history =
        WrappedReply(again.Datagram(WrappedRequest(Hex("4A 49 02 00 01 00"))));
    EXPECT_EQ(history.rfind("@BDC PS\r\nJI:01", 0), 0u) << history;
}

TEST_F(EmulatorProcessTest, FaultsChangeWhatTheClientsSee) {
    using namespace wire;
    EmulatorProcess emulator;
    std::string error;
    std::vector<std::string> arguments = Arguments();
    arguments.insert(arguments.end(), {"--duration", "restart=800"});  // 0.8 s at this speed
    ASSERT_TRUE(emulator.Start("127.0.0.2", arguments, error)) << error;
    const std::filesystem::path journal = folder_ / "journal.jsonl";
    const Bytes version = WrappedRequest(Hex("56 49 02 00 01 00"));
    const Bytes clean = emulator.Datagram(version);
    ASSERT_EQ(WrappedReply(clean), "@BDC PS\r\nVI:00I10612;");

    auto apply = [&](const std::string& faults, const std::string& active) {
        std::ofstream(folder_ / "faults") << faults;
        return JournalShows(journal, "\"active\":\"" + active + "\"");
    };
    ASSERT_TRUE(apply("drop=2\n", "drop=2"));
    int answered = 0;
    for (int i = 0; i < 4; ++i) answered += emulator.Datagram(version, 300).empty() ? 0 : 1;
    EXPECT_EQ(answered, 2);

    ASSERT_TRUE(apply("garbled\ncontrol-closed\n", "garbled,control-closed"));
    const Bytes garbled = emulator.Datagram(version);
    EXPECT_EQ(garbled.size(), clean.size());
    const std::string garbledText = WrappedReply(garbled);
    EXPECT_EQ(garbledText.rfind("@BDC PS\r\n", 0), 0u) << "the marker line stays readable";
    EXPECT_EQ(garbledText.find("VI:00"), std::string::npos);
    EXPECT_TRUE(emulator.Control({Hex("56 49 02 00 01 00")}).empty());

    ASSERT_TRUE(apply("slow=390\n", "slow=390"));
    EXPECT_TRUE(emulator.Datagram(version, 100).empty()) << "not yet";
    const std::vector<Bytes> late = emulator.Control({Hex("56 49 02 00 01 00")}, 3000);
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(Text(late[0]), "@BDC PS\r\nVI:00I10612;");

    // A fault change closes the control port at the next re-read (every 200 ms), also when a
    // held-back reply woke the emulator in between and nothing else comes: the query wakes it at
    // 0, the re-read falls at 200, the fault is written at 220, the reply goes out at 390.
    const FileDescriptor held = emulator.ConnectControl();
    ASSERT_TRUE(held.Valid());
    const Bytes query = Hex("56 49 02 00 01 00");
    ASSERT_EQ(send(held.Get(), query.data(), query.size(), MSG_NOSIGNAL), 6);
    std::this_thread::sleep_for(std::chrono::milliseconds(220));
    std::ofstream(folder_ / "faults") << "unreachable\n";
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_FALSE(emulator.ConnectControl().Valid()) << "still listening 250 ms after the change";

    // A firmware job: silent while restarting, then the new version.
    std::ofstream(folder_ / "faults") << "";
    ASSERT_TRUE(JournalShows(journal, "\"active\":\"none\"", 2)) << "once at start, once now";
    ASSERT_TRUE(emulator.Job(Concat(
        {Bytes(16384, 0x11), Hex("1B 7D 01 05 00 61 02 70 8F 38"), FirmwareFile("I20711", 4096)})));
    std::string reported;
    for (int i = 0; i < 50 && reported != "@BDC PS\r\nVI:00I20711;"; ++i) {
        reported = WrappedReply(emulator.Datagram(version, 100));
    }
    EXPECT_EQ(reported, "@BDC PS\r\nVI:00I20711;");
    EXPECT_TRUE(JournalShows(journal, "\"unanswered\":\"restarting\""));
}

TEST_F(EmulatorProcessTest, RefusesABadCommandLine) {
    const std::vector<std::vector<std::string>> bad = {{"--model", "ZENTA Corvid 9000"},
                                                       {"--listen", "192.0.2.1"},
                                                       {"--fault", "melting"},
                                                       {"--speed", "0"}};
    for (const std::vector<std::string>& arguments : bad) {
        EmulatorProcess emulator;
        std::string error;
        EXPECT_FALSE(emulator.Start("127.0.0.2", arguments, error))
            << arguments[0] << " " << arguments[1];
    }
}
