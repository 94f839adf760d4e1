#pragma once

#include <string>

#include "custompaper/CustomPaperSlotTable.h"
#include "pagekit/Page.h"

class CustomPaperMediaList;
class MarkCombo;
class QComboBox;
class QPushButton;
class QSlider;
class QTabWidget;
class SliderEdit;
class ThicknessPlatenControls;

// Page 3: composes a custom paper setting and registers it into one of the printer's ten slots.
// The slot chosen in the name list is the table's current slot, and the controls edit that slot
// in place: it is the working setting, which the register dialog writes into a slot chosen there.
class CustomPaperRegistrationPage : public Page {
    Q_OBJECT
  public:
    static constexpr int kPageNumber = 3;
    static constexpr int kNameList = 1068;
    static constexpr int kMediaList = 1096;
    static constexpr int kMediaSamplesButton = 1097;
    static constexpr int kThicknessEdit = 1098;
    static constexpr int kThicknessPatternButton = 1100;
    static constexpr int kPlatenList = 1101;
    static constexpr int kTabs = 1006;
    static constexpr int kRegisterButton = 1102;
    // Tab page 1: paper feed and drying.
    static constexpr int kFeedSlider = 1029;
    static constexpr int kFeedEdit = 1024;
    static constexpr int kFeedSamplesButton = 1008;
    static constexpr int kDrySlider = 1119;
    static constexpr int kDryEdit = 1120;
    // Tab page 2: paper handling.
    static constexpr int kCutList = 1124;
    static constexpr int kRollerList = 1007;
    static constexpr int kOptionList = 1006;

    CustomPaperRegistrationPage(ServiceApp& app, QWidget* parent);

    // Reads the slot list from the printer and shows the current slot.
    int PageActivated() override;
    // The paper source may have changed.
    void PrinterDefaultsChanged() override;

  private:
    void CreateControls();
    void CreateFeedTab(QWidget* tab);
    void CreateHandlingTab(QWidget* tab);
    // False when the printer was not ready or the list could not be read (outside message
    // review).
    bool ReadSlotsFromPrinter();
    void FillNameList();
    void NameSelected();
    void MediaSelected();
    // The working setting takes over what the controls show.
    void StoreControls();
    void ShowTabs();
    void UpdateFeedSamples();
    void OpenMediaSamples();
    void OpenFeedSamples();
    void Register();

    CustomPaperSlotTable& slotTable();
    CustomPaperSlot& working();
    const std::string& printerName();

    TextLookup loadText_;
    QComboBox* names_ = nullptr;
    MarkCombo* media_ = nullptr;
    CustomPaperMediaList* mediaList_ = nullptr;
    ThicknessPlatenControls* thickness_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    SliderEdit* feed_ = nullptr;
    SliderEdit* dry_ = nullptr;
    QPushButton* feedSamples_ = nullptr;
    QComboBox* cut_ = nullptr;
    QComboBox* roller_ = nullptr;
    QSlider* suction_ = nullptr;
    QComboBox* option_ = nullptr;
};
