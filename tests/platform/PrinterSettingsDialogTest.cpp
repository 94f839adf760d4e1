#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "platform/PrinterSettingsDialog.h"
#include "ztset/SettingsRecord.h"

namespace {

const PrinterSettingsTexts kTexts{"Printer Settings",
                                  {"Page size", "Media type", "Paper source", "Resolution"},
                                  "OK",
                                  "Cancel",
                                  "Close"};

const std::vector<QueueOption> kOptions = {
    {"PageSize", "Page Size", {{"A4", "A4"}, {"A3", "A3"}}, "A4"},
    {"MediaType", "Media", {{"Media1", "Plain paper"}, {"Media2", "Photo paper"}}, "Media1"},
    {"InputSlot", "Source", {{"Roll", "Roll paper"}, {"Sheet", "Cut sheet"}}, "Roll"},
    {"Resolution", "Quality", {{"360dpi", "360 dpi"}, {"720dpi", "720 dpi"}}, "360dpi"},
};

std::vector<uint8_t> Record() {
    SettingsRecord record("desk");
    record.Set("PageSize", "Custom.600x900mm");
    record.Set("MediaType", "Media1");
    record.Set("InputSlot", "Sheet");
    record.Set("ZTSampleJob", "0");
    return record.Encode();
}

QComboBox* Chooser(PrinterSettingsDialog& dialog, const QString& name) {
    for (QComboBox* chooser : dialog.findChildren<QComboBox*>()) {
        if (chooser->accessibleName() == name) return chooser;
    }
    return nullptr;
}

void Press(PrinterSettingsDialog& dialog, const QString& text) {
    for (QPushButton* button :
         dialog.findChild<QDialogButtonBox*>()->findChildren<QPushButton*>()) {
        if (button->text() == text) return button->click();
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

}  // namespace

TEST(PrinterSettingsDialog, PreselectsTheRecordAndWritesItBackOnlyOnOk) {
    std::vector<uint8_t> bytes = Record();
    const std::vector<uint8_t> original = bytes;
    // Cancel keeps the record; OK writes the one change and keeps what the dialog does not show.
    for (const char* button : {"Cancel", "OK"}) {
        PrinterSettingsDialog dialog(nullptr, kTexts, kOptions, bytes);
        ASSERT_TRUE(dialog.IsEditable());
        QStringList shown;
        for (const QString& label : kTexts.optionLabels)
            shown << Chooser(dialog, label)->currentText();
        // The record lacks a resolution: the queue's default.
        EXPECT_EQ(shown, (QStringList{"Custom.600x900mm", "Plain paper", "Cut sheet", "360 dpi"}));
        Chooser(dialog, "Media type")->setCurrentIndex(1);
        Press(dialog, button);
    }
    SettingsRecord expected = *SettingsRecord::Decode(original);
    expected.Set("MediaType", "Media2");
    expected.Set("Resolution", "360dpi");
    EXPECT_EQ(bytes, expected.Encode());
}

// Which records decode is the record's own test; here one that does not.
TEST(PrinterSettingsDialog, AnUndecodableRecordIsOnlyShown) {
    std::vector<uint8_t> bytes = {1, 2, 3};
    PrinterSettingsDialog dialog(nullptr, kTexts, kOptions, bytes);
    EXPECT_FALSE(dialog.IsEditable());
    EXPECT_TRUE(dialog.findChildren<QComboBox*>().empty());
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->accessibleName() == "Media type" && label->text() == "Plain paper";
    }));
    Press(dialog, "Close");
    EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3}));
}
