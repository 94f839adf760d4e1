#pragma once

#include <array>
#include <string>

#include "custompaper/CustomPaperSlotTable.h"
#include "pagekit/Page.h"

class QLabel;
class QListView;
class SlotListModel;

// Page 4: the custom paper settings registered in the printer's ten slots, and the call that
// tells the printer which one (or none) to use from now on. The slot chosen here is the table's
// current slot, which the registration page shares.
class CustomPaperCallPage : public Page {
    Q_OBJECT
  public:
    static constexpr int kPageNumber = 4;
    static constexpr int kSettingList = 1068;
    static constexpr int kCallButton = 1002;
    static constexpr int kEditButton = 1004;

    CustomPaperCallPage(ServiceApp& app, QWidget* parent);

    // Reads the slot list from the printer and shows the current slot.
    int PageActivated() override;

    // The call button's action.
    void Call();

  private:
    void CreateControls();
    // False when the printer was not ready or the list could not be read (outside message
    // review); the list then stays as it was.
    bool ReadSlotsFromPrinter();
    // Selects a row of the list and acts on it, also when it was selected already.
    void SelectRow(int row);
    void RowSelected();
    // Reads the current slot's details again and shows them; an unregistered slot shows none.
    void ShowDetails();
    void ShowValues(const std::array<std::string, 8>& texts);

    CustomPaperSlotTable& slotTable();
    const std::string& printerName();

    // Texts for the widget-free code that names slots and values.
    TextLookup loadText_;
    SlotListModel* model_;
    QListView* list_ = nullptr;
    QPushButton* call_ = nullptr;
    QPushButton* edit_ = nullptr;
    std::array<QLabel*, 8> values_{};
};
