#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include "ScriptedFileDialogs.h"
#include "TempFolder.h"
#include "UiTestBench.h"
#include "pagekit/ControlDressing.h"
#include "platform/SettingsStore.h"
#include "sampleprint/ColorDensityDialog.h"
#include "sampleprint/FeedRangeSelector.h"
#include "sampleprint/PaperFeedDialog.h"
#include "sampleprint/PrintQualityDialog.h"

namespace {

template <typename Control>
Control* Find(QWidget* dialog, int id) {
    return qobject_cast<Control*>(FindControl(dialog, id));
}

void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

TEST(ColorDensityDialogTest, TypedDensityIsKeptInRangeAndMovesTheSlider) {
    UiTestBench bench;
    ColorDensityDialog dialog(*bench.app, CustomPaperFileEntry{}, nullptr);
    auto* edit = Find<QLineEdit>(&dialog, ColorDensityDialog::kEdit);
    auto* slider = Find<QSlider>(&dialog, ColorDensityDialog::kSlider);
    const struct {
        QString typed;
        QString shown;
        int slider;
    } rows[] = {
        {"80", "50", 50},
        {"", "0", 0},
        {"-7", "-7", -7},
    };
    for (const auto& row : rows) {
        Type(edit, row.typed);
        EXPECT_EQ(edit->text(), row.shown) << row.typed.toStdString();
        EXPECT_EQ(slider->value(), row.slider) << row.typed.toStdString();
    }
    slider->setValue(33);
    EXPECT_EQ(edit->text(), "33");
}

TEST(PaperFeedDialogTest, SamplePointsFollowTheLimitsAndTheThumbsStayInOrder) {
    UiTestBench bench;
    PaperFeedDialog dialog(*bench.app, CustomPaperSlot{}, nullptr);
    auto* minimum = Find<QLineEdit>(&dialog, PaperFeedDialog::kMinimumEdit);
    auto* maximum = Find<QLineEdit>(&dialog, PaperFeedDialog::kMaximumEdit);
    auto* points = Find<QLabel>(&dialog, PaperFeedDialog::kPoints);
    auto* range = Find<FeedRangeSelector>(&dialog, PaperFeedDialog::kRange);
    EXPECT_EQ(points->text(), "-70, -35, 0, 35, 70");
    const struct {
        QString minimum, maximum;
        QString points;
        int lower, upper;  // after Enter in the minimum, then in the maximum
    } rows[] = {
        {"10", "10", "10", 10, 10},
        // Neither thumb passes the other: both stay where the last row left them.
        {"30", "-30", "-30, -15, 0, 15, 30", 10, 10},
        {"-90", "95", "-70, -35, 0, 35, 70", -70, 70},
    };
    for (const auto& row : rows) {
        Type(minimum, row.minimum);
        Type(maximum, row.maximum);
        EXPECT_EQ(points->text(), row.points) << row.minimum.toStdString();
        QTest::keyClick(minimum, Qt::Key_Return);
        QTest::keyClick(maximum, Qt::Key_Return);
        EXPECT_EQ(range->lower(), row.lower) << row.minimum.toStdString();
        EXPECT_EQ(range->upper(), row.upper) << row.maximum.toStdString();
    }
}

TEST(PrintQualityDialogTest, OnlyOfferedQualitiesCanBeCheckedAndOneIsNeeded) {
    UiTestBench bench;
    // The media of id 7 has no fourth print mode.
    PrintQualityDialog dialog(*bench.app, CustomPaperFileEntry{.mediaId = 7}, nullptr);
    auto* samplePrint = Find<QAbstractButton>(&dialog, SampleDialog::kSamplePrint);
    std::vector<bool> enabled;
    for (int i = 0; i < 4; ++i)
        enabled.push_back(FindControl(&dialog, PrintQualityDialog::kFirstQuality + i)->isEnabled());
    EXPECT_EQ(enabled, (std::vector<bool>{true, true, true, false}));
    auto* draft = Find<QAbstractButton>(&dialog, PrintQualityDialog::kFirstQuality);
    EXPECT_FALSE(samplePrint->isEnabled());
    draft->click();
    EXPECT_TRUE(samplePrint->isEnabled());
    draft->click();
    EXPECT_FALSE(samplePrint->isEnabled());
}

TEST(SampleDialogTest, TheImageChoiceIsRememberedOnlyOnceTheImagePassed) {
    UiTestBench bench(LaunchMode::MessageReview);
    TempFolder folder;
    const std::string small = folder.Path() + "/small.bmp";
    ASSERT_TRUE(QImage(10, 10, QImage::Format_RGB32).save(QString::fromStdString(small), "BMP"));
    const std::string sample = SERVATO_BIN_DIR "/Sample.bmp";
    const struct {
        std::string chosen;
        int32_t message;
        int32_t storedChoice;
        std::string storedPath;
    } rows[] = {
        {"", 50950, SampleDialog::kStandardImage, ""},
        {folder.Path() + "/missing.bmp", 50951, SampleDialog::kStandardImage, ""},
        {folder.Write("short.bmp", std::string(20, 'B')), 50952, SampleDialog::kStandardImage, ""},
        {small, 50953, SampleDialog::kStandardImage, ""},
        // Past the image, the run stops where no driver can be reached.
        {sample, 50954, SampleDialog::kUserImage, sample},
    };
    SettingsStore store;
    ScriptedFileDialogs dialogs;
    bench.app->UseFileDialogs(&dialogs);
    for (const auto& row : rows) {
        store.WriteNumber("CFileSampleCardinalityR", SampleDialog::kStandardImage);
        store.WriteString("CFileSampleCardinality", "");
        ColorDensityDialog dialog(*bench.app, CustomPaperFileEntry{}, nullptr);
        Find<QAbstractButton>(&dialog, SampleDialog::kUserImage)->click();
        dialogs.answers = {row.chosen};
        Find<QAbstractButton>(&dialog, SampleDialog::kBrowse)->click();
        bench.messages.Clear();
        Find<QAbstractButton>(&dialog, SampleDialog::kSamplePrint)->click();

        EXPECT_EQ(bench.messages.texts(), std::vector<QString>{bench.app->LoadText(row.message)})
            << row.chosen;
        EXPECT_EQ(store.ReadNumber("CFileSampleCardinalityR", 0), row.storedChoice) << row.chosen;
        EXPECT_EQ(store.ReadString("CFileSampleCardinality"), row.storedPath) << row.chosen;
    }
    ColorDensityDialog reopened(*bench.app, CustomPaperFileEntry{}, nullptr);
    EXPECT_TRUE(Find<QAbstractButton>(&reopened, SampleDialog::kUserImage)->isChecked());
    EXPECT_EQ(Find<QLabel>(&reopened, SampleDialog::kImageName)->text(), "Sample.bmp");
    EXPECT_TRUE(bench.spooler.jobs.empty());
}

}  // namespace
