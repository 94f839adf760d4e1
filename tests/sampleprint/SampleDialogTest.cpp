#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "ScriptedFileDialogs.h"
#include "TempFolder.h"
#include "UiTestBench.h"
#include "pagekit/ControlDressing.h"
#include "platform/SettingsStore.h"
#include "sampleprint/ColorDensityDialog.h"
#include "sampleprint/PrintQualityDialog.h"

namespace {

template <typename Control>
Control* Find(QWidget* dialog, int id) {
    return qobject_cast<Control*>(FindControl(dialog, id));
}

TEST(PrintQualityDialogTest, OnlyOfferedQualitiesCanBeCheckedAndOneIsNeeded) {
    UiTestBench bench;
    // The media of id 7 has no fourth print mode.
    PrintQualityDialog dialog(*bench.app, CustomPaperFileEntry{.mediaId = 7}, nullptr);
    auto* samplePrint = Find<QAbstractButton>(&dialog, SampleDialog::kSamplePrint);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(FindControl(&dialog, PrintQualityDialog::kFirstQuality + i)->isEnabled(), i < 3);
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
    // image chosen, message, image choice and path stored
    const std::tuple<std::string, int32_t, int32_t, std::string> rows[] = {
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
    for (const auto& [chosen, message, storedChoice, storedPath] : rows) {
        store.WriteNumber("CFileSampleCardinalityR", SampleDialog::kStandardImage);
        store.WriteString("CFileSampleCardinality", "");
        ColorDensityDialog dialog(*bench.app, CustomPaperFileEntry{}, nullptr);
        Find<QAbstractButton>(&dialog, SampleDialog::kUserImage)->click();
        dialogs.answers = {chosen};
        Find<QAbstractButton>(&dialog, SampleDialog::kBrowse)->click();
        bench.messages.Clear();
        Find<QAbstractButton>(&dialog, SampleDialog::kSamplePrint)->click();

        EXPECT_EQ(bench.messages.texts(), bench.Texts({message})) << chosen;
        EXPECT_EQ(store.ReadNumber("CFileSampleCardinalityR", 0), storedChoice) << chosen;
        EXPECT_EQ(store.ReadString("CFileSampleCardinality"), storedPath) << chosen;
    }
    ColorDensityDialog reopened(*bench.app, CustomPaperFileEntry{}, nullptr);
    EXPECT_TRUE(Find<QAbstractButton>(&reopened, SampleDialog::kUserImage)->isChecked());
    EXPECT_EQ(Find<QLabel>(&reopened, SampleDialog::kImageName)->text(), "Sample.bmp");
    auto* density = Find<QLineEdit>(&reopened, ColorDensityDialog::kEdit);
    for (const auto& [typed, kept] : {std::pair{"-51", "-50"}, {"51", "50"}}) {
        density->clear();
        QTest::keyClicks(density, typed);
        EXPECT_EQ(density->text(), kept);
    }
    EXPECT_TRUE(bench.spooler.jobs.empty());
}

}  // namespace
