// The firmware update page on the page test bench: the printer's version, the file check and the
// version comparison, the update with its restart wait, and the message review.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include "FirmwareFileBuilder.h"
#include "ScriptedFileDialogs.h"
#include "TempFolder.h"
#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "firmware/FirmwareUpdatePage.h"
#include "pagekit/ControlDressing.h"

namespace {

using Variant = FirmwareFileBuilder::Variant;
constexpr const char* kModel = "ZENTA Corvid 4000";
const std::vector<uint8_t> kReady = {0x03, 0x00, 0x01, 0x01, 0x04};
const std::vector<uint8_t> kBusy = {0x03, 0x00, 0x01, 0x01, 0x03};
const std::vector<uint8_t> kHeader = {0x1B, 0x7D, 0x01, 0x05, 0x00, 0x61, 0x02, 0x70, 0x8F, 0x38};

class FirmwarePageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bench.app->UseFileDialogs(&dialogs);
        bench.spooler.queues = {UiTestBench::Queue("desk", kModel)};
        bench.app->selectedPrinter().printerName = "desk";
        ASSERT_TRUE(bench.app->commLibrary()->Load("desk", false));
    }
    // A fresh script: these status answers (the last one stays), the printer's version replies.
    void Script(const std::vector<std::vector<uint8_t>>& statuses,
                const std::vector<std::string>& versions) {
        bench.printer.Reset();
        bench.ScriptPrinter(kModel);
        for (const auto& status : statuses) bench.ScriptStatus(status);
        for (const std::string& version : versions) {
            const std::string reply = "@BDC PS\r\nVI:00" + version + ";";
            bench.printer.QueueReceive(int32_t(reply.size()), {reply.begin(), reply.end()});
        }
        bench.messages.Clear();
    }
    std::string File(const std::string& version, Variant variant = Variant::kValid) {
        const auto bytes = FirmwareFileBuilder::Build(version, 5000, variant);
        const std::string kind = variant == Variant::kValid ? "" : std::to_string(int(variant));
        return folder.Write(version + kind + ".UPG",
                            {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    }
    void Choose(const std::string& path) {
        dialogs.answers.push_back(path);
        qobject_cast<QPushButton*>(FindControl(&page, 1001))->click();
    }
    QString Shown(int id) { return qobject_cast<QLabel*>(FindControl(&page, id))->text(); }
    bool UpdateOffered() { return FindControl(&page, 1066)->isEnabled(); }
    std::vector<QString> Texts(const std::vector<int32_t>& ids) const {
        std::vector<QString> texts;
        for (int32_t id : ids) texts.push_back(bench.app->LoadText(id));
        return texts;
    }

    UiTestBench bench;
    ScriptedFileDialogs dialogs;
    TempFolder folder;
    FirmwareUpdatePage page{*bench.app, nullptr};
};

TEST_F(FirmwarePageTest, ChosenFilesAreCheckedAndComparedWithThePrinter) {
    Script({kReady}, {});
    page.PageActivated();
    EXPECT_EQ(bench.messages.texts(), Texts({70900}));
    EXPECT_EQ(Shown(1064), bench.app->LoadText(70009));
    Script({kReady}, {"I10612"});
    page.PageActivated();
    EXPECT_EQ(Shown(1064), "I10612");
    EXPECT_FALSE(UpdateOffered());

    struct Row {
        std::string path;
        int32_t message;      // 0: none
        QString fileVersion;  // what 1065 shows afterwards
        int32_t comparison;
        bool offered;
    };
    const std::vector<Row> rows = {
        {File("I20713"), 0, "I20713", 70006, true},
        {File("I20713", Variant::kBadVersion), 70901, "I20713", 70006, true},
        {File("I20713", Variant::kBadChecksum), 70902, "I20713", 70006, true},
        {File("I20713", Variant::kTooShort), 70902, "I20713", 70006, true},
        {folder.Path() + "/missing.UPG", 70902, "I20713", 70006, true},
        {File("I20711"), 0, "I20711", 70007, false},  // 0x1107 below the printer's 0x1206
        {File("i10612"), 0, "i10612", 70008, true},
        {"", 0, "i10612", 70008, true},  // cancelled
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        bench.messages.Clear();
        Choose(row.path);
        EXPECT_EQ(bench.messages.texts(), row.message ? Texts({row.message}) : Texts({}));
        EXPECT_EQ(Shown(1065), row.fileVersion);
        EXPECT_EQ(Shown(1138), bench.app->LoadText(row.comparison));
        EXPECT_EQ(FindControl(&page, 1138)->palette().color(QPalette::WindowText) == Qt::red,
                  row.comparison == 70007);
        EXPECT_EQ(UpdateOffered(), row.offered);
        EXPECT_EQ(Shown(1060), row.fileVersion + ".UPG");
    }
    ASSERT_EQ(dialogs.requests.size(), rows.size());
    EXPECT_EQ(dialogs.requests[0].folder, QDir::homePath().toStdString());
    EXPECT_EQ(dialogs.requests[1].folder, folder.Path());
    EXPECT_EQ(dialogs.requests[1].filter, "UPG File(*.UPG)|*.UPG||");
}

TEST_F(FirmwarePageTest, UpdateSendsTheFileBehindItsHeadThenWaitsForTheRestart) {
    struct Row {
        const char* name;
        std::string printerVersion;
        std::vector<std::vector<uint8_t>> statuses;
        int writeResult;
        std::string versionAfter;
        std::vector<int32_t> messages;
        size_t leadIn;  // 0x11 bytes before the header; npos: nothing sent
        bool backToMenu;
        const char* shownAfter;  // null: the text of an unread version
    };
    const size_t none = std::string::npos;
    const std::vector<Row> rows = {
        {"updated", "I10612", {kReady}, 0, "I20713", {70903}, 16384, false, "I20713"},
        {"loader", "I00000", {kReady}, 0, "I20713", {70903}, 0, false, "I20713"},
        {"another version", "I10612", {kReady}, 0, "I10612", {70905}, 16384, false, "I10612"},
        {"unread version", "I10612", {kReady}, 0, "", {70905}, 16384, false, nullptr},
        {"no restart", "I10612", {kReady, kBusy}, 0, "", {70904, 70906}, 16384, true, "I10612"},
        {"spooler refuses", "I10612", {kReady}, -1, "", {901}, none, false, "I10612"},
        {"not ready", "I10612", {kBusy}, 0, "", {901}, none, false, "I10612"},
    };
    const std::string path = File("I20713");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Script(row.statuses, {row.printerVersion});
        page.PageActivated();
        Choose(path);
        Script(row.statuses, row.versionAfter.empty() ? std::vector<std::string>{}
                                                      : std::vector<std::string>{row.versionAfter});
        bench.spooler.jobs.clear();
        bench.spooler.writeResult = row.writeResult;
        QSignalSpy pageRequests(&page, &FirmwareUpdatePage::pageRequested);
        page.Update();
        EXPECT_EQ(bench.messages.texts(), Texts(row.messages));
        EXPECT_EQ(pageRequests.size(), row.backToMenu ? 1 : 0);
        EXPECT_EQ(Shown(1064),
                  row.shownAfter ? QString(row.shownAfter) : bench.app->LoadText(70009));
        ASSERT_EQ(bench.spooler.jobs.size(), row.leadIn == none ? 0u : 1u);
        if (row.leadIn == none) continue;
        std::vector<uint8_t> expected(row.leadIn, 0x11);
        expected.insert(expected.end(), kHeader.begin(), kHeader.end());
        const auto file = FirmwareFileBuilder::Build("I20713", 5000);
        expected.insert(expected.end(), file.begin(), file.end());
        EXPECT_TRUE(bench.spooler.jobs[0].bytes == expected);
    }
}

TEST(FirmwarePageReviewTest, ReviewShowsTheSevenMessagesInOrder) {
    UiTestBench bench(LaunchMode::MessageReview);
    FirmwareUpdatePage page(*bench.app, nullptr);
    EXPECT_EQ(page.PageActivated(), 1);
    const std::vector<std::pair<int32_t, MessageIcon>> expected = {
        {70900, MessageIcon::Warning}, {70902, MessageIcon::Error},
        {70901, MessageIcon::Error},   {70904, MessageIcon::Warning},
        {70906, MessageIcon::Warning}, {70903, MessageIcon::Information},
        {70905, MessageIcon::Warning}};
    ASSERT_EQ(bench.messages.messages().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(bench.messages.messages()[i].text, bench.app->LoadText(expected[i].first));
        EXPECT_EQ(bench.messages.messages()[i].icon, expected[i].second);
    }
}

}  // namespace
