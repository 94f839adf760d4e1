#pragma once

#include <cstdint>

#include "custompaper/pages/PageDialog.h"

class CustomPaperSlotTable;
class QComboBox;

// Registers the working setting (the table's current slot) under a name into a slot chosen here.
// It closes with OK only once the printer has been sent the setting.
class RegisterDialog : public PageDialog {
    Q_OBJECT
  public:
    static constexpr int kSlotList = 1001;
    static constexpr int kNameEdit = 1002;
    // The printer's slot name field.
    static constexpr int kNameLength = 30;

    RegisterDialog(ServiceApp& app, CustomPaperSlotTable& table, QWidget* page);

    // The slot index 0..9 chosen.
    int32_t ChosenSlot() const;

  protected:
    void accept() override;

  private:
    void SlotChosen();
    void UpdateOk();

    CustomPaperSlotTable& table_;
    QComboBox* slots_;
};
