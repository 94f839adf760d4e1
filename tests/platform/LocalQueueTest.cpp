#include <gtest/gtest.h>

#include <cups/cups.h>

#include <string>

#include "platform/CupsSpooler.h"

namespace {

// Printers found on the network come back from the server too; only queues it holds are offered.
TEST(LocalQueueTest, OnlyQueuesTheServerHoldsForGood) {
    struct Row {
        const char* name;
        const char* instance;
        const char* printerType;
        const char* temporary;
        bool local;
    };
    const std::string discovered = std::to_string(CUPS_PRINTER_DISCOVERED | CUPS_PRINTER_REMOTE);
    const Row rows[] = {
        {"installed queue", nullptr, "8392716", "false", true},
        {"no type given", nullptr, nullptr, nullptr, true},
        {"instance of a queue", "draft", "8392716", "false", false},
        {"found on the network", nullptr, discovered.c_str(), nullptr, false},
        {"temporary queue for a found printer", nullptr, "8392716", "true", false},
    };
    for (const Row& row : rows) {
        cups_dest_t dest{};
        dest.name = const_cast<char*>("Corvid4000");
        dest.instance = const_cast<char*>(row.instance);
        if (row.printerType)
            dest.num_options =
                cupsAddOption("printer-type", row.printerType, dest.num_options, &dest.options);
        if (row.temporary)
            dest.num_options = cupsAddOption("printer-is-temporary", row.temporary,
                                             dest.num_options, &dest.options);
        EXPECT_EQ(IsLocalQueue(dest), row.local) << row.name;
        cupsFreeOptions(dest.num_options, dest.options);
    }
}

}  // namespace
