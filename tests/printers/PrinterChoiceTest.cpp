#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include "UiTestBench.h"
#include "app/MainMenuPage.h"
#include "pagekit/ControlDressing.h"
#include "platform/SettingsStore.h"
#include "printers/PrinterList.h"

namespace {

constexpr const char* kBig = "ZENTA Corvid 4000";
constexpr const char* kSmall = "ZENTA Corvid 2000";

TEST(PrinterListTest, OffersServedQueuesInSpoolerOrderAndPreselectsTheRememberedOne) {
    const SpoolerQueue west{"west", kBig, ""}, east{"east", kBig, ""}, a{"a", kSmall, ""},
        upperB{"B", kBig, ""}, office{"office", "Other Laser", ""};
    // name, the spooler's queues, the queue remembered, the queues offered, the one preselected
    const std::vector<std::tuple<const char*, std::vector<SpoolerQueue>, std::string,
                                 std::vector<std::string>, int>>
        rows = {
            {"second of two remembered", {west, office, east}, "east", {"west", "east"}, 1},
            {"remembered queue vanished", {a, upperB}, "gone", {"a", "B"}, 0},
            {"remembered name differs in case", {a, upperB}, "b", {"a", "B"}, 0},
            {"nothing served", {office}, "office", {}, -1},
            {"spooler unreachable", {}, "", {}, -1},
        };
    SubstituteSpooler spooler;
    for (const auto& [name, queues, remembered, offered, preselected] : rows) {
        SCOPED_TRACE(name);
        spooler.queues = queues;
        PrinterList list;
        list.Build(
            spooler, [](const std::string& driver) { return driver == kBig || driver == kSmall; },
            remembered);
        EXPECT_EQ(list.ChoiceNames(), offered);
        EXPECT_EQ(list.Preselected(), preselected);
        if (preselected >= 0)
            EXPECT_EQ(list.QueueOfChoice(preselected)->name, offered[preselected]);
        EXPECT_EQ(list.QueueOfChoice(list.ChoiceCount()), nullptr);
    }
}

TEST(PrinterSelectionTest, APrinterThatPassesIsTakenOverAndRefusalsKeepTheMainMenu) {
    UiTestBench bench;
    bench.spooler.queues = {{"west", kBig, "socket://127.0.0.2:9100"},
                            {"east", kSmall, "socket://127.0.0.3:9100"}};
    // name, model in the device ID, channel opens, status monitor's driver list, message (0:
    // admitted)
    const std::vector<std::tuple<const char*, const char*, bool, QByteArray, int32_t>> rows = {
        {"printer answers another model", kBig, true, {}, 906},
        {"driver not known to the status monitor", kSmall, true,
         "[KVT3/Driver/ZENTA%20Corvid%204000]\nName=1\n", 905},
        {"no channel still reaches the model check", kBig, false, {}, 906},
        {"no channel, right model", kSmall, false, {}, 0},
    };
    const QString list = bench.MachineStoreFile("Software/ZENTA.ini");
    QDir().mkpath(QFileInfo(list).path());
    for (const auto& [name, deviceModel, channelOpens, statusMonitorList, text] : rows) {
        SCOPED_TRACE(name);
        bench.messages.Clear();
        QFile::remove(list);
        QFile file(list);
        if (!statusMonitorList.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(statusMonitorList);
        file.close();
        bench.printer.Reset();
        bench.ScriptPrinter(deviceModel);
        if (!channelOpens) bench.printer.SetResult("RQOpenChannel", -1);
        // Another printer was remembered before, so a refusal shows in what is stored.
        SettingsStore().WriteString("SelectPrinter", "west");
        int opened = -1;
        MainMenuPage menu(*bench.app, nullptr);
        QObject::connect(&menu, &Page::showPageRequested, [&](int k) { opened = k; });
        qobject_cast<QComboBox*>(FindControl(&menu, 1026))->setCurrentIndex(1);
        qobject_cast<QPushButton*>(FindControl(&menu, 1012))->click();  // head cleaning
        const SelectedPrinter& selected = bench.app->selectedPrinter();
        EXPECT_EQ(selected.printerName, "east");
        if (text == 0) {
            EXPECT_EQ(opened, 2);
            EXPECT_EQ(selected.driverName, kSmall);
            EXPECT_EQ(selected.portName, "socket://127.0.0.3:9100");
            // Read through the driver-settings library that the queue's driver names.
            EXPECT_EQ(selected.defaults, (std::vector<uint8_t>{'R', 'E', 'C', '!'}));
            EXPECT_TRUE(bench.messages.messages().empty());
            EXPECT_EQ(SettingsStore().ReadString("SelectPrinter"), "east");
            continue;
        }
        EXPECT_EQ(opened, -1);
        ASSERT_EQ(bench.messages.messages().size(), 1u);
        EXPECT_EQ(bench.messages.messages()[0].text, bench.app->LoadText(text));
        EXPECT_EQ(bench.messages.messages()[0].icon, MessageIcon::Error);
        EXPECT_EQ(SettingsStore().ReadString("SelectPrinter"), "west");
    }
}

TEST(PrinterSelectionReviewTest, MessageReviewOpensEveryPageWithoutAPrinter) {
    UiTestBench bench(LaunchMode::MessageReview);
    for (int id = 1011; id <= 1019; ++id) {
        SCOPED_TRACE(id);
        int opened = -1;
        MainMenuPage menu(*bench.app, nullptr);
        QObject::connect(&menu, &Page::showPageRequested, [&](int k) { opened = k; });
        qobject_cast<QPushButton*>(FindControl(&menu, id))->click();
        EXPECT_NE(opened, -1);
    }
    EXPECT_EQ(bench.app->selectedPrinter().printerName, "");
    EXPECT_EQ(SettingsStore().ReadString("SelectPrinter", "unset"), "");
    EXPECT_TRUE(bench.messages.messages().empty());
}

}  // namespace
