#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <optional>

#include "FileText.h"
#include "NextModalDialog.h"
#include "ScriptedFileDialogs.h"
#include "TempFolder.h"
#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "custompaper/CustomPaperFile.h"
#include "custompaper/pages/CustomFilePage.h"
#include "custompaper/pages/CustomFileSaveDialog.h"
#include "driversettings/DriverMediaList.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/MarkCombo.h"
#include "platform/SettingsStore.h"

namespace {

using Self = CustomFilePage;
constexpr const char* kModel = "ZENTA Corvid 4000";
// The scripted driver's ink layout.
constexpr const char* kInk = "0B000301040205030100060407050A08";

// A file of `model` holding these settings of media code 4, sub-code 1 (Glossy Twelve).
std::string WriteFile(const TempFolder& folder, const std::string& name,
                      const std::vector<std::pair<std::string, std::string>>& namesAndInks,
                      const std::string& model = kModel) {
    const std::string path = folder.Path() + "/" + name;
    CustomPaperFile file;
    for (size_t k = 0; k < namesAndInks.size(); ++k) {
        const auto& [setting, ink] = namesAndInks[k];
        file.Write(path, model, int(k + 1),
                   {.customName = setting, .id = 4, .sid = 1, .inkMode = ink});
    }
    return path;
}

std::vector<std::string> NamesIn(const std::string& path) {
    CustomPaperFile file;
    std::vector<std::string> names;
    if (file.Open(path, kModel) == 0) file.ReadNames(names, file.GetMediaCount());
    return names;
}

class CustomFilePageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The driver's media list is kept per printer name for the whole process.
        static int tests = 0;
        SelectedPrinter& printer = bench.app->selectedPrinter();
        printer.printerName = "file" + std::to_string(++tests);
        printer.driverName = kModel;
        ASSERT_TRUE(bench.app->commLibrary()->Load(printer.printerName, false));
        bench.app->driverSettingsLibrary()->Load(printer.printerName);
        bench.app->UseFileDialogs(&dialogs);
        page.PageActivated();
    }
    template <typename Control = QWidget>
    Control* Find(int id, int tab = -1) {
        auto* tabs = qobject_cast<QTabWidget*>(FindControl(&page, Self::kTabs));
        return qobject_cast<Control*>(FindControl(tab < 0 ? &page : tabs->widget(tab), id));
    }
    // The setting list's items, a marked one after a "-".
    QStringList Listed() {
        auto* list = Find<MarkCombo>(Self::kSettingList);
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << (list->IsMarked(i) ? "-" : "") + list->itemText(i);
        return items;
    }
    std::vector<QString> Texts(const std::vector<int32_t>& ids) const {
        std::vector<QString> texts;
        for (int32_t id : ids) texts.push_back(bench.app->LoadText(id));
        return texts;
    }
    QString Text(int32_t id) const { return bench.app->LoadText(id); }

    UiTestBench bench;
    ScriptedFileDialogs dialogs;
    TempFolder folder;
    const DriverMediaList mediaCache{nullptr, {}, {}};
    Self page{*bench.app, nullptr};
};

TEST_F(CustomFilePageTest, BrowseListsTheSettingsOfAFileOfThisModel) {
    const std::string two = WriteFile(folder, "two.zcf", {{"Velvet", kInk}, {"Old ink", "0B00"}});
    const std::string other =
        WriteFile(folder, "other.zcf", {{"Velvet", kInk}}, "ZENTA Corvid 2000");
    const std::string uncounted = folder.Write("uncounted.zcf", "[Base]\nModel=Corvid 4000\n");
    // answer of the open dialog, messages, list, file name shown
    const std::vector<std::tuple<std::string, std::vector<int32_t>, QStringList, QString>> rows = {
        {two, {}, {Text(50110), "Velvet", "-Old ink"}, "two.zcf"},
        {"", {}, {Text(50110), "Velvet", "-Old ink"}, "two.zcf"},
        {other, {50900}, {Text(50110), "Velvet", "-Old ink"}, "two.zcf"},
        {uncounted, {50901}, {Text(50110)}, "uncounted.zcf"},
    };
    for (const auto& [answer, messages, listed, shown] : rows) {
        bench.messages.Clear();
        dialogs.answers.push_back(answer);
        Find<QPushButton>(Self::kBrowseButton)->click();
        EXPECT_EQ(bench.messages.texts(), Texts(messages)) << answer;
        EXPECT_EQ(Listed(), listed) << answer;
        EXPECT_EQ(Find<QLabel>(Self::kFileName)->text(), shown) << answer;
        EXPECT_EQ(Find<QComboBox>(Self::kSettingList)->currentIndex(), 0) << answer;
    }
}

TEST_F(CustomFilePageTest, SaveDialogGoesOverTheSameNameOnlyWhenAllowed) {
    const std::string velvet = WriteFile(folder, "velvet.zcf", {{"Velvet", kInk}});
    const std::string other =
        WriteFile(folder, "other.zcf", {{"Velvet", kInk}}, "ZENTA Corvid 2000");
    const std::string fresh = folder.Path() + "/fresh.zcf";
    struct Row {
        std::string path;
        QString name;
        std::optional<MessageAnswer> answer;  // to the question, when it is asked
        std::vector<int32_t> messages;
        bool accepted;
        std::vector<std::string> namesAfter;
    };
    const std::vector<Row> rows = {
        {fresh, "Canvas", {}, {}, true, {"Canvas"}},
        {velvet, "Velvet", MessageAnswer::No, {50902}, false, {"Velvet"}},
        {velvet, "Velvet", MessageAnswer::Yes, {50902}, true, {"Velvet"}},
        {velvet, "Matte", {}, {}, true, {"Velvet", "Matte"}},
        {other, "Matte", {}, {50900}, false, {}},
        {folder.Path() + "/none/new.zcf", "Matte", {}, {50903}, false, {}},
        {velvet, "  ", {}, {}, false, {"Velvet", "Matte"}},
        {"", "Matte", {}, {}, false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path + " " + row.name.toStdString());
        bench.messages.Clear();
        if (row.answer) bench.messages.QueueAnswer(*row.answer);
        CustomPaperFileEntry entry{.density = static_cast<int32_t>(row.messages.size())};
        CustomFileSaveDialog dialog(*bench.app, row.path, entry, &page);
        qobject_cast<QLineEdit*>(FindControl(&dialog, 1022))->setText(row.name);
        qobject_cast<QPushButton*>(FindControl(&dialog, 1))->click();
        EXPECT_EQ(bench.messages.texts(), Texts(row.messages));
        EXPECT_EQ(dialog.result() == QDialog::Accepted, row.accepted);
        if (!row.path.empty()) {
            EXPECT_EQ(NamesIn(row.path), row.namesAfter);
        }
    }
    // The replaced setting holds what was saved over it.
    CustomPaperFile file;
    CustomPaperFileEntry read;
    ASSERT_EQ(file.Open(velvet, kModel), 0);
    ASSERT_EQ(file.ReadEntry(1, read), 0);
    EXPECT_EQ(read.density, 1);
    EXPECT_EQ(SettingsStore().ReadSavePath(), folder.Path());
}

TEST_F(CustomFilePageTest, SaveDialogBrowseKeepsItsFileWhenTheChosenOneIsNotForThisModel) {
    SettingsStore().WriteString("SavePath", folder.Path());
    const std::string other =
        WriteFile(folder, "other.zcf", {{"Velvet", kInk}}, "ZENTA Corvid 2000");
    CustomPaperFileEntry entry{.customName = "Matte"};
    CustomFileSaveDialog dialog(*bench.app, "", entry, &page);
    auto* browse = qobject_cast<QPushButton*>(FindControl(&dialog, 1001));
    auto* ok = qobject_cast<QPushButton*>(FindControl(&dialog, 1));
    // answer of the save dialog, messages, path after, file name shown
    for (const auto& [answer, messages, path, shown] :
         std::vector<std::tuple<std::string, std::vector<int32_t>, std::string, QString>>{
             {other, {50900}, "", ""},
             {folder.Path() + "/new.zcf", {}, folder.Path() + "/new.zcf", "new.zcf"},
             {"", {}, folder.Path() + "/new.zcf", "new.zcf"},
         }) {
        bench.messages.Clear();
        dialogs.answers.push_back(answer);
        browse->click();
        EXPECT_EQ(dialogs.requests.back().folder, folder.Path());
        EXPECT_EQ(bench.messages.texts(), Texts(messages)) << answer;
        EXPECT_EQ(dialog.path(), path);
        EXPECT_EQ(qobject_cast<QLabel*>(FindControl(&dialog, 1094))->text(), shown);
        EXPECT_EQ(ok->isEnabled(), !path.empty());
    }
}

TEST_F(CustomFilePageTest, SavedSettingCarriesItsMediaPrintModeAndInkLayout) {
    dialogs.answers.push_back(WriteFile(folder, "velvet.zcf", {{"Velvet", kInk}}));
    Find<QPushButton>(Self::kBrowseButton)->click();
    Find<QComboBox>(Self::kMediaList)->setCurrentIndex(1);  // Matte Three: all four modes
    auto* modes = Find<QComboBox>(Self::kModeList, 0);
    ASSERT_EQ(modes->count(), 4);
    EXPECT_EQ(modes->currentText(), Text(50161));
    modes->setCurrentIndex(3);
    WhenDialogShows<CustomFileSaveDialog>([](CustomFileSaveDialog& dialog) {
        qobject_cast<QLineEdit*>(FindControl(&dialog, 1022))->setText("Super fine");
        qobject_cast<QPushButton*>(FindControl(&dialog, 1))->click();
    });
    Find<QPushButton>(Self::kSaveButton)->click();
    EXPECT_EQ(Listed(), (QStringList{Text(50110), "Velvet", "Super fine"}));
    EXPECT_EQ(page.entry().customName, "");
    const std::string saved = ReadFileText(folder.Path() + "/velvet.zcf");
    const std::string section = saved.substr(saved.find("[Media02]"));
    for (const char* line :
         {"ID=1\r\n", "Mode=4\r\n", "Hres=1440\r\n", "Vres=1440\r\n", "Mw=2\r\n", "SID=2\r\n"})
        EXPECT_NE(section.find(line), std::string::npos) << line;
    EXPECT_NE(section.find(std::string("InkMode=") + kInk), std::string::npos);
}

TEST(CustomFileReviewTest, ReviewShowsTheMessagesInTurn) {
    UiTestBench bench(LaunchMode::MessageReview);
    CustomFilePage page(*bench.app, nullptr);
    EXPECT_EQ(page.PageActivated(), 1);
    std::vector<QString> expected;
    for (int32_t id : {50901, 50900, 50902, 50903, 50950, 50951, 50952, 50953, 50954, 50904})
        expected.push_back(bench.app->LoadText(id));
    EXPECT_EQ(bench.messages.texts(), expected);
    EXPECT_EQ(bench.messages.messages().at(2).buttons, MessageButtons::YesNo);
}

}  // namespace
