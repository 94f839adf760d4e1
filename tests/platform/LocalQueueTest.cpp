#include <gtest/gtest.h>

#include <cups/cups.h>

#include <string>

#include "platform/CupsSpooler.h"

namespace {

// Printers found on the network come back from the server too; only queues it holds are offered.
TEST(LocalQueueTest, OnlyQueuesTheServerHoldsForGood) {
    const std::string discovered = std::to_string(CUPS_PRINTER_DISCOVERED | CUPS_PRINTER_REMOTE);
    // what, instance, "printer-type", "printer-is-temporary" (null: not given), local
    const std::tuple<const char*, const char*, const char*, const char*, bool> rows[] = {
        {"installed queue", nullptr, "8392716", "false", true},
        {"no type given", nullptr, nullptr, nullptr, true},
        {"instance of a queue", "draft", "8392716", "false", false},
        {"found on the network", nullptr, discovered.c_str(), nullptr, false},
        {"temporary queue for a found printer", nullptr, "8392716", "true", false},
    };
    for (const auto& [what, instance, printerType, temporary, local] : rows) {
        cups_dest_t dest{};
        dest.name = const_cast<char*>("Corvid4000");
        dest.instance = const_cast<char*>(instance);
        if (printerType)
            dest.num_options =
                cupsAddOption("printer-type", printerType, dest.num_options, &dest.options);
        if (temporary)
            dest.num_options =
                cupsAddOption("printer-is-temporary", temporary, dest.num_options, &dest.options);
        EXPECT_EQ(IsLocalQueue(dest), local) << what;
        cupsFreeOptions(dest.num_options, dest.options);
    }
}

}  // namespace
