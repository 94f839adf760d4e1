#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QTimer>

#include "CupsSandbox.h"
#include "driversettings/DriverSettings.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "platform/CupsSpooler.h"
#include "platform/PrinterSettingsDialog.h"
#include "ztset/SettingsRecord.h"

namespace {

const PrinterSettingsTexts kTexts{"Printer Settings",
                                  {"Page size", "Media type", "Paper source", "Resolution"},
                                  "OK",
                                  "Cancel",
                                  "Close"};

// Chooses the paper source by keyword in the shown dialog and confirms it.
void ChooseSheetAndConfirm() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<PrinterSettingsDialog*>(window);
        if (dialog == nullptr || !dialog->isVisible()) continue;
        for (QComboBox* chooser : dialog->findChildren<QComboBox*>()) {
            if (chooser->accessibleName() == "Paper source")
                chooser->setCurrentIndex(chooser->findData("Sheet"));
        }
        for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons()) {
            if (button->text() == kTexts.ok) button->click();
        }
        return;
    }
    ADD_FAILURE() << "no settings dialog shown";
}

}  // namespace

// The record the dialog stores is one the real driver opens, with the chosen paper source.
TEST(PrinterSettingsDialogSandbox, TheDriverOpensTheEditedRecord) {
    CupsSandbox sandbox;
    ASSERT_TRUE(sandbox.Start());
    ASSERT_TRUE(sandbox.AddQueue("Corvid", "socket://127.0.0.2:9", "ZENTA Corvid 4000"));
    CupsSpooler spooler;
    DriverSettingsLibrary library(spooler);
    ASSERT_TRUE(library.Load("Corvid"));
    std::optional<std::vector<uint8_t>> defaults(std::in_place);
    ASSERT_GE(DriverSettings(&library, "Corvid", "").GetDevMode(*defaults), 1);
    {
        DriverSettings settings(&library, "Corvid", "", *defaults);
        ASSERT_TRUE(settings.IsOpen());
        EXPECT_EQ(settings.GetPaperSourceKind(), 1);  // the PPD's roll
    }

    QTimer::singleShot(0, ChooseSheetAndConfirm);
    PrinterSettingsDialog::Edit(nullptr, kTexts, "Corvid", *defaults);

    const std::optional<SettingsRecord> edited = SettingsRecord::Decode(*defaults);
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->Find("InputSlot"), "Sheet");
    EXPECT_EQ(edited->Find("MediaType"), "Media1");
    DriverSettings settings(&library, "Corvid", "", *defaults);
    ASSERT_TRUE(settings.IsOpen());
    EXPECT_EQ(settings.GetPaperSourceKind(), 2);
}
