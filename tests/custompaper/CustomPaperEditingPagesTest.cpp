#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <optional>
#include <type_traits>

#include "FileText.h"
#include "NextModalDialog.h"
#include "ScriptedFileDialogs.h"
#include "SlotReplyText.h"
#include "TempFolder.h"
#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "custompaper/CustomPaperFile.h"
#include "custompaper/CustomPaperSlotTable.h"
#include "custompaper/SlotWritePacket.h"
#include "custompaper/pages/CustomFilePage.h"
#include "custompaper/pages/CustomFileSaveDialog.h"
#include "custompaper/pages/CustomPaperRegistrationPage.h"
#include "custompaper/pages/RegisterDialog.h"
#include "driversettings/DriverMediaList.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/MarkCombo.h"
#include "platform/SettingsStore.h"

namespace {

constexpr const char* kModel = "ZENTA Corvid 4000";
// The scripted driver's ink layout.
constexpr const char* kInk = "0B000301040205030100060407050A08";
const Bytes &kReady = UiTestBench::kReady, &kBusy = UiTestBench::kBusy;
// name, media id, paper type (Canvas Seven), option, feed, drying, thickness, suction, cut,
// platen, roller
const CustomPaperSlot kCanvas{"", 0, 48, 2, -12, 25, 2, -2, 1, 4, 3};

// The four list replies with slot `registered` (0..9, or none) registered, then `more`.
std::vector<std::string> SlotList(int registered, const std::string& more = {}) {
    std::string names(12, '-');
    if (registered >= 0) names[registered] = 'C';
    std::vector<std::string> replies;
    for (int group = 0; group < 4; ++group)
        replies.push_back(ListReply(names.substr(group * 3, 3)));
    if (!more.empty()) replies.push_back(more);
    return replies;
}

std::string Details(const CustomPaperSlot& slot) {
    const auto body = BuildSlotWriteBody(1, "Canvas", slot);
    return "EX:0000001B" + HexText({body.begin() + 5, body.end()}) + ";";
}

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

// A custom paper page on the bench, whose scripted driver offers Glossy Twelve (thickness 5),
// Matte Three and Canvas Seven.
template <typename PageType>
class EditingPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The driver's media list is kept per printer name for the whole process.
        static int tests = 0;
        SelectedPrinter& printer = bench.app->selectedPrinter();
        printer.printerName = "editing" + std::to_string(++tests);
        printer.driverName = kModel;
        ASSERT_TRUE(bench.app->commLibrary()->Load(printer.printerName, false));
        bench.app->driverSettingsLibrary()->Load(printer.printerName);
        bench.app->UseFileDialogs(&dialogs);
        // The custom file page does not ask the printer.
        if constexpr (std::is_same_v<PageType, CustomFilePage>) page.PageActivated();
    }
    void Script(const std::vector<std::string>& replies, const Bytes& status = kReady) {
        bench.Rescript(kModel, {status}, replies);
    }
    template <typename Control = QWidget>
    Control* Find(int id, int tab = -1) {
        auto* tabs = qobject_cast<QTabWidget*>(FindControl(&page, PageType::kTabs));
        return qobject_cast<Control*>(FindControl(tab < 0 ? &page : tabs->widget(tab), id));
    }
    QString Text(int32_t id) const { return bench.app->LoadText(id); }

    UiTestBench bench;
    ScriptedFileDialogs dialogs;
    TempFolder folder;
    const DriverMediaList mediaCache{nullptr, {}, {}};
    PageType page{*bench.app, nullptr};
};

class RegistrationPageTest : public EditingPageTest<CustomPaperRegistrationPage> {
  protected:
    using Self = CustomPaperRegistrationPage;
    void Activate(int current, const std::vector<std::string>& replies) {
        table.SetCurrent(current);
        Script(replies);
        page.PageActivated();
    }
    // Media, thickness, platen, feed, drying, cut, roller, suction and option as shown.
    QStringList Shown() {
        return {Find<QComboBox>(Self::kMediaList)->currentText(),
                Find<QLineEdit>(Self::kThicknessEdit)->text(),
                Find<QComboBox>(Self::kPlatenList)->currentText(),
                Find<QLineEdit>(Self::kFeedEdit, 0)->text(),
                Find<QLineEdit>(Self::kDryEdit, 0)->text(),
                QString::number(Find<QComboBox>(Self::kCutList, 1)->currentIndex()),
                QString::number(Find<QComboBox>(Self::kRollerList, 1)->currentIndex()),
                QString::number(Find<QSlider>(1025, 1)->value()),
                QString::number(Find<QComboBox>(Self::kOptionList, 1)->currentIndex())};
    }

    CustomPaperSlotTable& table = *bench.app->customPaperSlots();
};

class CustomFilePageTest : public EditingPageTest<CustomFilePage> {
  protected:
    using Self = CustomFilePage;
    // The setting list's items, a marked one after a "-".
    QStringList Listed() {
        auto* list = Find<MarkCombo>(Self::kSettingList);
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << (list->IsMarked(i) ? "-" : "") + list->itemText(i);
        return items;
    }
};

TEST_F(RegistrationPageTest, ActivationShowsTheCurrentSlot) {
    CustomPaperSlot unknown = kCanvas;
    std::tie(unknown.paperTypeCode, unknown.paperThick, unknown.platen) = std::tuple(200, 10, 1);
    const QStringList canvas = {"Canvas Seven", "2", Text(30134), "-12", "25", "1", "3", "2", "2"};
    const QStringList kept = {Text(30120), "10", Text(30131), "-12", "25", "1", "3", "2", "2"};
    // current slot, replies, messages, what the page shows after
    const std::vector<std::tuple<int, std::vector<std::string>, std::vector<int32_t>, QStringList>>
        rows = {
            {0,
             SlotList(-1),
             {},
             {"Glossy Twelve", "5", Text(30133), "0", "0", "0", "0", "0", "0"}},
            {1, SlotList(1, Details(kCanvas)), {}, canvas},
            {1, SlotList(1, Details(unknown)), {}, kept},
            {1, {"!"}, {30901}, kept},
            {1, SlotList(1, "!"), {30901}, kept},
        };
    for (const auto& [current, replies, messages, shown] : rows) {
        Activate(current, replies);
        EXPECT_EQ(bench.messages.texts(), bench.Texts(messages)) << shown.join(",").toStdString();
        EXPECT_EQ(Shown(), shown);
    }
    // A real media type drops the placeholder; an unregistered slot takes what the page shows.
    Find<QComboBox>(Self::kMediaList)->setCurrentIndex(0);
    EXPECT_EQ(Find<QComboBox>(Self::kMediaList)->count(), 3);
    Find<QComboBox>(Self::kNameList)->setCurrentIndex(4);
    const CustomPaperSlot& slot = table.Slot(4);
    for (const auto& [typed, kept] : {std::pair{"-1", "0"}, {"51", "50"}}) {
        Find<QLineEdit>(Self::kDryEdit, 0)->setText(typed);
        EXPECT_EQ(Find<QLineEdit>(Self::kDryEdit, 0)->text(), kept);
    }
    EXPECT_EQ(
        std::tie(slot.mediaId, slot.paperTypeCode, slot.extraOption, slot.forward, slot.dryTime,
                 slot.paperThick, slot.paperDraw, slot.paperCut, slot.platen, slot.roller),
        std::tuple(12, 65, 2, -12, 50, 5, -2, 1, 1, 3));
}

// Which gaps a thickness allows is the gap choices' own test; here the list follows the box.
TEST_F(RegistrationPageTest, ThicknessDecidesThePlatenGaps) {
    Activate(0, SlotList(-1));
    // typed, shown, platen items (0: the list is disabled), selected, thickness and platen stored
    const std::vector<std::tuple<QString, QString, int, int32_t, int32_t, int32_t>> steps = {
        {"", "", 0, 0, 5, 3},
        {"2", "2", 4, 30133, 2, 3},  // after an empty box: platen 3
        {"12", "12", 1, 30131, 12, 1},
    };
    auto* platen = Find<QComboBox>(Self::kPlatenList);
    for (const auto& [typed, shown, items, selected, thick, gap] : steps) {
        Find<QLineEdit>(Self::kThicknessEdit)->setText(typed);
        EXPECT_EQ(Find<QLineEdit>(Self::kThicknessEdit)->text(), shown);
        EXPECT_EQ(platen->isEnabled(), items > 0) << typed.toStdString();
        if (items > 0) {
            EXPECT_EQ(platen->count(), items) << typed.toStdString();
            EXPECT_EQ(platen->currentText(), Text(selected)) << typed.toStdString();
        }
        EXPECT_EQ(std::tie(table.Slot(0).paperThick, table.Slot(0).platen), std::tie(thick, gap));
    }
}

// A setting written into its slot is the end-to-end test's; here the dialog's refusals.
TEST_F(RegistrationPageTest, RegisterDialogRefusals) {
    Activate(4, SlotList(1));
    table.Slot(1).name = "Canvas   ";
    // slot, name typed (empty: the one shown), answer to the question when it is asked, printer
    // status, spooler result, messages
    const std::vector<
        std::tuple<int, QString, std::optional<MessageAnswer>, Bytes, int, std::vector<int32_t>>>
        rows = {
            {1, "", MessageAnswer::No, kReady, 0, {30902}},
            {1, "", MessageAnswer::Yes, kReady, -1, {30902, 30904}},
            {4, "Film", {}, kBusy, 0, {901}},
            {4, "   ", {}, kReady, 0, {}},
        };
    for (const auto& [slot, typed, answer, status, spoolerResult, messages] : rows) {
        SCOPED_TRACE(slot);
        Script({}, status);
        bench.spooler.writeResult = spoolerResult;
        if (answer) bench.messages.QueueAnswer(*answer);
        RegisterDialog dialog(*bench.app, table, &page);
        auto* slotList = qobject_cast<QComboBox*>(FindControl(&dialog, 1001));
        EXPECT_EQ(slotList->currentIndex(), 4);
        slotList->setCurrentIndex(slot);
        if (!typed.isEmpty()) qobject_cast<QLineEdit*>(FindControl(&dialog, 1002))->setText(typed);
        qobject_cast<QPushButton*>(FindControl(&dialog, 1))->click();
        EXPECT_EQ(bench.messages.texts(), bench.Texts(messages));
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(bench.spooler.jobs.empty());
    }
    EXPECT_EQ(table.Slot(1).name, "Canvas   ");
}

TEST_F(RegistrationPageTest, ThicknessPatternWaitsForThePrinterAndTellsWhenSent) {
    // printer status, spooler result, messages
    for (const auto& [status, result, messages] :
         std::vector<std::tuple<Bytes, int, std::vector<int32_t>>>{
             {kReady, 0, {30905}}, {kReady, -1, {}}, {kBusy, 0, {901}}}) {
        Script({}, status);
        bench.spooler.writeResult = result;
        const int64_t slept = bench.clock.sleptMs();
        Find<QPushButton>(Self::kThicknessPatternButton)->click();
        EXPECT_EQ(bench.messages.texts(), bench.Texts(messages));
        EXPECT_EQ(bench.clock.sleptMs() - slept >= 3000, status == kReady);
    }
}

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
        EXPECT_EQ(bench.messages.texts(), bench.Texts(messages)) << answer;
        EXPECT_EQ(Listed(), listed) << answer;
        EXPECT_EQ(Find<QLabel>(Self::kFileName)->text(), shown) << answer;
        EXPECT_EQ(Find<QComboBox>(Self::kSettingList)->currentIndex(), 0) << answer;
    }
}

TEST_F(CustomFilePageTest, SaveDialogGoesOverTheSameNameOnlyWhenAllowed) {
    const std::string velvet = WriteFile(folder, "velvet.zcf", {{"Velvet", kInk}});
    const std::string other =
        WriteFile(folder, "other.zcf", {{"Velvet", kInk}}, "ZENTA Corvid 2000");
    // path, name typed, answer to the question when it is asked, messages, accepted
    const std::vector<
        std::tuple<std::string, QString, std::optional<MessageAnswer>, std::vector<int32_t>, bool>>
        rows = {
            {velvet, "Velvet", MessageAnswer::No, {50902}, false},
            {velvet, "Velvet", MessageAnswer::Yes, {50902}, true},
            {other, "Matte", {}, {50900}, false},
            {folder.Path() + "/none/new.zcf", "Matte", {}, {50903}, false},
            {velvet, "  ", {}, {}, false},
        };
    for (const auto& [path, name, answer, messages, accepted] : rows) {
        SCOPED_TRACE(path + " " + name.toStdString());
        bench.messages.Clear();
        if (answer) bench.messages.QueueAnswer(*answer);
        CustomPaperFileEntry entry{.density = static_cast<int32_t>(messages.size())};
        CustomFileSaveDialog dialog(*bench.app, path, entry, &page);
        qobject_cast<QLineEdit*>(FindControl(&dialog, 1022))->setText(name);
        qobject_cast<QPushButton*>(FindControl(&dialog, 1))->click();
        EXPECT_EQ(bench.messages.texts(), bench.Texts(messages));
        EXPECT_EQ(dialog.result() == QDialog::Accepted, accepted);
    }
    // The one setting of the file was replaced by what was saved over it.
    CustomPaperFile file;
    CustomPaperFileEntry read;
    ASSERT_EQ(file.Open(velvet, kModel), 0);
    EXPECT_EQ(file.GetMediaCount(), 1);
    ASSERT_EQ(file.ReadEntry(1, read), 0);
    EXPECT_EQ(read.density, 1);
    EXPECT_EQ(SettingsStore().ReadSavePath(), folder.Path());
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
    const std::string saved = ReadFileText(folder.Path() + "/velvet.zcf");
    const std::string section = saved.substr(saved.find("[Media02]"));
    for (const char* line :
         {"ID=1\r\n", "Mode=4\r\n", "Hres=1440\r\n", "Vres=1440\r\n", "Mw=2\r\n", "SID=2\r\n"})
        EXPECT_NE(section.find(line), std::string::npos) << line;
    EXPECT_NE(section.find(std::string("InkMode=") + kInk), std::string::npos);
}

}  // namespace
