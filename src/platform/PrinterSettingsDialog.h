#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/QueueOptions.h"
#include "ztset/SettingsRecord.h"

class QComboBox;
class QFormLayout;

// The dialog's texts from the settings folder; the option labels in the order PageSize,
// MediaType, InputSlot, Resolution.
struct PrinterSettingsTexts {
    QString title;
    std::array<QString, 4> optionLabels;
    QString ok;
    QString cancel;
    QString close;
};

// The driver's settings dialog of the "page" menu item: the page size, media type, input slot and
// resolution of the printer's settings record, chosen among its queue's PPD choices.
class PrinterSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    // Shows the dialog owned by `owner` for the queue's PPD and returns when it closes.
    static void Edit(QWidget* owner, const PrinterSettingsTexts& texts,
                     const std::string& printerName, std::vector<uint8_t>& record);

    // OK writes the chosen options into `record`; Cancel leaves it as it was. A record that does
    // not decode cannot be rewritten safely, so the options are then only shown.
    PrinterSettingsDialog(QWidget* owner, const PrinterSettingsTexts& texts,
                          const std::vector<QueueOption>& options, std::vector<uint8_t>& record);

    bool IsEditable() const { return decoded_.has_value(); }

  private:
    void AddChooser(const QString& label, const QueueOption& option);
    void AddReadOnlyRow(const QString& label, const QueueOption& option);
    void AddButtons(const PrinterSettingsTexts& texts);
    void WriteRecord();

    std::vector<uint8_t>& record_;
    std::optional<SettingsRecord> decoded_;
    QFormLayout* form_;
    std::vector<std::pair<std::string, QComboBox*>> choosers_;
};
