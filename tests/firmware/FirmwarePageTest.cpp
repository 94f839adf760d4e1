// The firmware page on the page test bench: the file check and the version comparison, and how
// an update ends.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
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
using Bytes = std::vector<uint8_t>;
const Bytes &kReady = UiTestBench::kReady, &kBusy = UiTestBench::kBusy;
constexpr size_t kFileSize = 5032;

class FirmwarePageTest : public ::testing::Test {
  protected:
    // These status answers (the last one stays), then the printer's version ("": none).
    void Script(const std::vector<Bytes>& statuses, const std::string& version) {
        bench.Rescript("ZENTA Corvid 4000", statuses,
                       version.empty()
                           ? std::vector<std::string>{}
                           : std::vector<std::string>{"@BDC PS\r\nVI:00" + version + ";"});
        bench.app->UseFileDialogs(&dialogs);
        bench.app->selectedPrinter().printerName = "desk";
        ASSERT_TRUE(bench.app->commLibrary()->Load("desk", false));
    }
    std::string File(const std::string& version, Variant variant = Variant::kValid) {
        const Bytes bytes = FirmwareFileBuilder::Build(version, kFileSize - 32, variant);
        const std::string kind = variant == Variant::kValid ? "" : std::to_string(int(variant));
        return folder.Write(version + kind + ".UPG",
                            {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    }
    void Choose(const std::string& path) {
        dialogs.answers.push_back(path);
        qobject_cast<QAbstractButton*>(FindControl(&page, 1001))->click();
    }
    QString Shown(int id) { return qobject_cast<QLabel*>(FindControl(&page, id))->text(); }

    UiTestBench bench;
    ScriptedFileDialogs dialogs;
    TempFolder folder;
    FirmwareUpdatePage page{*bench.app, nullptr};
};

TEST_F(FirmwarePageTest, ChosenFilesAreCheckedAndSetAgainstThePrintersVersion) {
    Script({kReady}, "");
    page.PageActivated();
    EXPECT_EQ(bench.messages.texts(), bench.Texts({70900}));
    EXPECT_EQ(Shown(1064), bench.app->LoadText(70009));
    Script({kReady}, "I10612");
    page.PageActivated();
    // Path, message, then 1065 (a refused file leaves the one before), comparison, Update.
    const std::vector<std::tuple<std::string, int32_t, QString, int32_t, bool>> rows = {
        {File("I20713"), 0, "I20713", 70006, true},
        {File("I20713", Variant::kBadVersion), 70901, "I20713", 70006, true},
        {File("I20713", Variant::kTooShort), 70902, "I20713", 70006, true},
        {File("I20711"), 0, "I20711", 70007, false},  // 0x1107 below the printer's 0x1206
        {"", 0, "I20711", 70007, false}};             // cancelled
    for (const auto& [path, message, fileVersion, comparison, updateOffered] : rows) {
        bench.messages.Clear();
        Choose(path);
        EXPECT_EQ(bench.messages.texts(), message ? bench.Texts({message}) : bench.Texts({}))
            << path;
        EXPECT_EQ(Shown(1060), fileVersion + ".UPG");
        EXPECT_EQ(Shown(1065), fileVersion);
        EXPECT_EQ(Shown(1138), bench.app->LoadText(comparison));
        EXPECT_EQ(FindControl(&page, 1138)->palette().color(QPalette::WindowText) == Qt::red,
                  comparison == 70007);
        EXPECT_EQ(FindControl(&page, 1066)->isEnabled(), updateOffered);
    }
    EXPECT_EQ(dialogs.requests[0].folder, QDir::homePath().toStdString());
    EXPECT_EQ(dialogs.requests[1].folder, folder.Path());
}

TEST_F(FirmwarePageTest, UpdateEndsWithThePrintersVersionOrGivesUp) {
    // name, the printer's version when the page opens, status answers, spooler result, the
    // version after the restart ("": unread), messages, job size (0: none), 1064 at the end ("":
    // the text of an unread version)
    const size_t job = 16394 + kFileSize;
    for (const auto& [name, before, statuses, writeResult, after, messages, jobSize, shown] :
         std::vector<std::tuple<const char*, std::string, std::vector<Bytes>, int, std::string,
                                std::vector<int32_t>, size_t, QString>>{
             {"loader", "I00000", {kReady}, 0, "I20713", {70903}, 10 + kFileSize, "I20713"},
             {"version unread", "I10612", {kReady}, 0, "", {70905}, job, ""},
             {"no restart", "I10612", {kReady, kBusy}, 0, "", {70904, 70906}, job, "I10612"},
             {"spooler refuses", "I10612", {kReady}, -1, "", {901}, 0, "I10612"},
             {"not ready", "I10612", {kBusy}, 0, "", {901}, 0, "I10612"}}) {
        SCOPED_TRACE(name);
        Script(statuses, before);
        page.PageActivated();
        Choose(File("I20713"));
        Script(statuses, after);
        bench.spooler.jobs.clear();
        bench.spooler.writeResult = writeResult;
        QSignalSpy toMainMenu(&page, &FirmwareUpdatePage::showPageRequested);
        page.Update();
        EXPECT_EQ(bench.messages.texts(), bench.Texts(messages));
        EXPECT_EQ(toMainMenu.size(), messages.size() == 2 ? 1 : 0);
        EXPECT_EQ(Shown(1064), shown.isEmpty() ? bench.app->LoadText(70009) : shown);
        EXPECT_EQ(bench.spooler.jobs.empty() ? 0 : bench.spooler.jobs[0].bytes.size(), jobSize);
    }
}

}  // namespace
