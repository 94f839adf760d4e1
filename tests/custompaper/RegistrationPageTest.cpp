#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <optional>

#include "SlotReplyText.h"
#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "custompaper/CustomPaperSlotTable.h"
#include "custompaper/SlotWritePacket.h"
#include "custompaper/pages/CustomPaperRegistrationPage.h"
#include "custompaper/pages/RegisterDialog.h"
#include "driversettings/DriverMediaList.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "pagekit/ControlDressing.h"

namespace {

using Self = CustomPaperRegistrationPage;
const Bytes kReady = {3, 0, 1, 1, 4}, kBusy = {3, 0, 1, 1, 3};
// name, media id, paper type (Canvas Seven), option, feed, drying, thickness, suction, cut,
// platen, roller
const CustomPaperSlot kCanvas{"", 0, 48, 2, -12, 25, 2, -2, 1, 4, 3};

// The four list replies with slot `registered` (0..9, or none) registered as "Canvas".
std::vector<std::string> SlotList(int registered) {
    std::vector<std::string> replies;
    for (int group = 0; group < 4; ++group) {
        std::string text = "EX:0000001D";
        for (int i = 0; i < 3; ++i) {
            const bool in = group * 3 + i == registered;
            text += HexText(ListRecord(in, in ? "Canvas" : ""));
        }
        replies.push_back(text + ";");
    }
    return replies;
}

std::string Details(const CustomPaperSlot& slot) {
    const auto body = BuildSlotWriteBody(1, "Canvas", slot);
    return "EX:0000001B" + HexText({body.begin() + 5, body.end()}) + ";";
}

std::vector<std::string> Then(std::vector<std::string> replies, const std::string& more) {
    replies.push_back(more);
    return replies;
}

// The bench's scripted driver offers Glossy Twelve (thickness 5), Matte Three and Canvas Seven.
class RegistrationPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The driver's media list is kept per printer name for the whole process.
        static int tests = 0;
        const std::string printer = "reg" + std::to_string(++tests);
        bench.app->selectedPrinter().printerName = printer;
        ASSERT_TRUE(bench.app->commLibrary()->Load(printer, false));
        bench.app->driverSettingsLibrary()->Load(printer);
    }
    // A printer with this status answering these replies in order; "!" is a failed receive.
    void Script(const std::vector<std::string>& replies, const Bytes& status = kReady) {
        bench.printer.Reset();
        bench.ScriptPrinter("ZENTA Corvid 4000");
        bench.ScriptStatus(status);
        for (const std::string& reply : replies)
            bench.printer.QueueReceive(reply == "!" ? -5 : int32_t(reply.size()), ToBytes(reply));
        bench.messages.Clear();
        bench.spooler.jobs.clear();
    }
    void Activate(int current, const std::vector<std::string>& replies) {
        table.SetCurrent(current);
        Script(replies);
        page.PageActivated();
    }
    template <typename Control = QWidget>
    Control* Find(int id, int tab = -1) {
        auto* tabs = qobject_cast<QTabWidget*>(FindControl(&page, Self::kTabs));
        return qobject_cast<Control*>(FindControl(tab < 0 ? &page : tabs->widget(tab), id));
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
    std::vector<QString> Texts(const std::vector<int32_t>& ids) const {
        std::vector<QString> texts;
        for (int32_t id : ids) texts.push_back(bench.app->LoadText(id));
        return texts;
    }
    QString Text(int32_t id) const { return bench.app->LoadText(id); }

    UiTestBench bench;
    const DriverMediaList mediaCache{nullptr, {}, {}};
    Self page{*bench.app, nullptr};
    CustomPaperSlotTable& table = *bench.app->customPaperSlots();
};

TEST_F(RegistrationPageTest, ActivationShowsTheCurrentSlot) {
    CustomPaperSlot unknown = kCanvas;
    std::tie(unknown.paperTypeCode, unknown.paperThick, unknown.platen) = std::tuple(200, 10, 1);
    // current slot, replies, messages, what the page shows after
    const std::vector<std::tuple<int, std::vector<std::string>, std::vector<int32_t>, QStringList>>
        rows = {
            {0,
             SlotList(-1),
             {},
             {"Glossy Twelve", "5", Text(30133), "0", "0", "0", "0", "0", "0"}},
            {1,
             Then(SlotList(1), Details(kCanvas)),
             {},
             {"Canvas Seven", "2", Text(30134), "-12", "25", "1", "3", "2", "2"}},
            {1,
             Then(SlotList(1), Details(unknown)),
             {},
             {Text(30120), "10", Text(30131), "-12", "25", "1", "3", "2", "2"}},
            {1, {"!"}, {30901}, {Text(30120), "10", Text(30131), "-12", "25", "1", "3", "2", "2"}},
            {1,
             Then(SlotList(1), "!"),
             {30901},
             {Text(30120), "10", Text(30131), "-12", "25", "1", "3", "2", "2"}},
        };
    for (const auto& [current, replies, messages, shown] : rows) {
        Activate(current, replies);
        EXPECT_EQ(bench.messages.texts(), Texts(messages)) << shown.join(",").toStdString();
        EXPECT_EQ(Shown(), shown);
    }
    EXPECT_EQ(Find<QComboBox>(Self::kNameList)->itemText(1), "#2 Canvas");
    EXPECT_EQ(Find<QComboBox>(Self::kNameList)->itemText(2), "#3 " + Text(30110));
    // Choosing a real media type drops the placeholder and takes its paper type code.
    Find<QComboBox>(Self::kMediaList)->setCurrentIndex(0);
    EXPECT_EQ(Find<QComboBox>(Self::kMediaList)->count(), 3);
    EXPECT_EQ(std::tie(table.Slot(1).mediaId, table.Slot(1).paperTypeCode), std::tuple(12, 65));
}

TEST_F(RegistrationPageTest, UnregisteredSlotTakesOverWhatThePageShows) {
    Activate(1, Then(SlotList(1), Details(kCanvas)));
    Find<QComboBox>(Self::kNameList)->setCurrentIndex(4);
    CustomPaperSlot expected = kCanvas;
    expected.mediaId = 7;
    const auto fields = [](const CustomPaperSlot& s) {
        return std::tie(s.mediaId, s.paperTypeCode, s.extraOption, s.forward, s.dryTime,
                        s.paperThick, s.paperDraw, s.paperCut, s.platen, s.roller);
    };
    EXPECT_EQ(table.current(), 4);
    EXPECT_EQ(fields(table.Slot(4)), fields(expected));
}

TEST_F(RegistrationPageTest, ThicknessDecidesThePlatenGaps) {
    Activate(0, SlotList(-1));
    // typed, shown, platen items (0: the list is disabled), selected, thickness and platen stored
    const std::vector<std::tuple<QString, QString, int, int32_t, int32_t, int32_t>> steps = {
        {"", "", 0, 0, 5, 3},           {"2", "2", 4, 30133, 2, 3},  // after an empty box: platen 3
        {"12", "12", 1, 30131, 12, 1},  {"0", "1", 4, 30131, 1, 1},  // the choice stays
        {"2a0", "16", 1, 30131, 16, 1},
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

TEST_F(RegistrationPageTest, SlidersAndBoxesStayEqual) {
    Activate(0, SlotList(-1));
    struct Step {
        int control;    // a box (typed into) or a slider (moved)
        QString typed;  // for a box
        int position;   // for a slider
        bool leave;     // the box loses the focus
        QString text;   // the box afterwards
        int slider;     // its slider afterwards
        int32_t stored;
        int32_t CustomPaperSlot::*field;
    };
    const std::vector<Step> steps = {
        {Self::kFeedEdit, "1-2", 0, false, "-12", -12, -12, &CustomPaperSlot::forward},
        {Self::kFeedEdit, "", 0, false, "", 0, -12, &CustomPaperSlot::forward},
        {Self::kFeedEdit, "", 0, true, "0", 0, 0, &CustomPaperSlot::forward},
        {Self::kFeedSlider, "", 30, false, "30", 30, 30, &CustomPaperSlot::forward},
        {Self::kDryEdit, "80", 0, false, "50", 50, 50, &CustomPaperSlot::dryTime},
        {Self::kDryEdit, "-", 0, false, "", 0, 50, &CustomPaperSlot::dryTime},
        {Self::kDrySlider, "", 7, false, "7", 7, 7, &CustomPaperSlot::dryTime},
    };
    for (const Step& step : steps) {
        const bool feed = step.field == &CustomPaperSlot::forward;
        auto* edit = Find<QLineEdit>(feed ? Self::kFeedEdit : Self::kDryEdit, 0);
        auto* slider = Find<QSlider>(feed ? Self::kFeedSlider : Self::kDrySlider, 0);
        if (step.control == Self::kFeedSlider || step.control == Self::kDrySlider)
            slider->setValue(step.position);
        else
            edit->setText(step.typed);
        if (step.leave) {
            QFocusEvent out(QEvent::FocusOut);
            QApplication::sendEvent(edit, &out);
        }
        SCOPED_TRACE(step.typed.toStdString());
        EXPECT_EQ(edit->text(), step.text);
        EXPECT_EQ(slider->value(), step.slider);
        EXPECT_EQ(table.Slot(0).*step.field, step.stored);
    }
    Find<QSlider>(1025, 1)->setValue(3);
    EXPECT_EQ(table.Slot(0).paperDraw, -3);
}

TEST_F(RegistrationPageTest, RegisterDialogWritesTheWorkingSettingIntoTheChosenSlot) {
    Activate(4, SlotList(1));
    table.Slot(1).name = "Canvas   ";
    struct Row {
        int slot;
        QString typed;                        // empty: the name the dialog shows
        std::optional<MessageAnswer> answer;  // to the question, when it is asked
        const Bytes& status;
        int spoolerResult;
        std::vector<int32_t> messages;
        bool accepted;
    };
    const std::vector<Row> rows = {
        {4, "Film 100", {}, kReady, 0, {30903}, true},
        {1, "", MessageAnswer::No, kReady, 0, {30902}, false},
        {1, "", MessageAnswer::Yes, kReady, -1, {30902, 30904}, false},
        {4, "Film", {}, kBusy, 0, {901}, false},
        {4, "   ", {}, kReady, 0, {}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.slot);
        Script({}, row.status);
        bench.spooler.writeResult = row.spoolerResult;
        if (row.answer) bench.messages.QueueAnswer(*row.answer);
        RegisterDialog dialog(*bench.app, table, &page);
        EXPECT_EQ(qobject_cast<QComboBox*>(FindControl(&dialog, 1001))->currentIndex(), 4);
        qobject_cast<QComboBox*>(FindControl(&dialog, 1001))->setCurrentIndex(row.slot);
        auto* name = qobject_cast<QLineEdit*>(FindControl(&dialog, 1002));
        if (!row.typed.isEmpty()) name->setText(row.typed);
        const QString written = name->text();
        qobject_cast<QPushButton*>(FindControl(&dialog, 1))->click();
        EXPECT_EQ(bench.messages.texts(), Texts(row.messages));
        EXPECT_EQ(dialog.result() == QDialog::Accepted, row.accepted);
        ASSERT_EQ(bench.spooler.jobs.size(), row.accepted ? 1u : 0u);
        if (!row.accepted) continue;
        const Bytes& job = bench.spooler.jobs[0].bytes;
        const auto body = BuildSlotWriteBody(row.slot + 1, written.toStdString(), table.Slot(4));
        EXPECT_EQ(Bytes(job.begin() + 19, job.begin() + 122), Bytes(body.begin(), body.end()));
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
        EXPECT_EQ(bench.messages.texts(), Texts(messages));
        EXPECT_EQ(bench.clock.sleptMs() - slept >= 3000, status == kReady);
    }
}

TEST(RegistrationReviewTest, ReviewShowsTheMessagesInTurn) {
    UiTestBench bench(LaunchMode::MessageReview);
    CustomPaperRegistrationPage page(*bench.app, nullptr);
    EXPECT_EQ(page.PageActivated(), 1);
    std::vector<QString> expected;
    for (int32_t id : {30901, 30900, 30902, 30903, 30904, 50950, 50951, 50952, 50953, 50954, 30905})
        expected.push_back(bench.app->LoadText(id));
    EXPECT_EQ(bench.messages.texts(), expected);
    EXPECT_EQ(bench.messages.messages().at(2).buttons, MessageButtons::YesNo);
    EXPECT_EQ(bench.messages.messages().at(2).icon, MessageIcon::Warning);
}

}  // namespace
