#pragma once

#include <string>

#include "custompaper/CustomPaperSlotTable.h"
#include "custompaper/pages/CustomPaperEditingPage.h"

class QComboBox;

// Page 3: composes a custom paper setting and registers it into one of the printer's ten slots.
// The slot chosen in the name list is the table's current slot, and the controls edit that slot
// in place: it is the working setting, which the register dialog writes into a slot chosen there.
class CustomPaperRegistrationPage : public CustomPaperEditingPage<CustomPaperSlot> {
    Q_OBJECT
  public:
    static constexpr int kPageNumber = 3;
    static constexpr int kNameList = 1068;
    static constexpr int kRegisterButton = 1102;
    // Tab page 1: paper feed and drying.
    static constexpr int kFeedSlider = 1029;
    static constexpr int kFeedEdit = 1024;
    static constexpr int kFeedSamplesButton = 1008;
    // Tab page 2: paper handling.
    static constexpr int kOptionList = 1006;

    CustomPaperRegistrationPage(ServiceApp& app, QWidget* parent);

    // Reads the slot list from the printer and shows the current slot.
    int PageActivated() override;

  protected:
    CustomPaperSlot& working() override;
    void MediaSelected() override;
    // Tells the user when there is no media to feed samples on.
    void OpenFeedSamples() override;

  private:
    void CreateControls();
    void CreateHandlingTab(QWidget* tab);
    // False when the printer was not ready or the list could not be read (outside message
    // review).
    bool ReadSlotsFromPrinter();
    void FillNameList();
    void NameSelected();
    // The working setting takes over what the controls show.
    void StoreControls();
    void ShowTabs();
    void Register();

    CustomPaperSlotTable& slotTable();
    const std::string& printerName();

    TextLookup loadText_;
    QComboBox* names_ = nullptr;
    QComboBox* option_ = nullptr;
};
