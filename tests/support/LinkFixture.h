#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "JobBytes.h"
#include "ScriptedLibrary.h"
#include "SubstituteSpooler.h"
#include "VirtualClock.h"
#include "comm/CommLibrary.h"
#include "comm/PrinterLink.h"

// The scripted communication library, loaded, on a virtual clock.
class LinkFixture : public ::testing::Test {
  protected:
    static constexpr const char* kPrinter = "Corvid";

    void SetUp() override {
        script.Reset();
        spooler.UseLibrary(ScriptedLibrary::Folder(), ScriptedLibrary::CompleteName());
        ASSERT_TRUE(library.Load(kPrinter, false));
    }

    void OfferChannel(int32_t type) { script.SetChannels({{static_cast<uint32_t>(type), 0x07}}); }

    // A status reply whose block holds the status code only.
    static std::vector<uint8_t> StatusWithCode(uint8_t code) {
        return wire::StatusReply(wire::Block({0x01, 0x01, code}));
    }
    static std::vector<uint8_t> Text(std::string_view text) { return wire::Text(text); }

    VirtualClock clock;
    SubstituteSpooler spooler;
    ScriptedLibrary script{ScriptedLibrary::Folder() + ScriptedLibrary::CompleteName()};
    CommLibrary library{spooler};
};
