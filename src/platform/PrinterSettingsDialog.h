#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/QueueOptions.h"

// The driver's settings dialog of the "page" menu item: the queue's page size, media type, input
// slot and resolution from its PPD.
class PrinterSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    // Shows the dialog owned by `owner` and returns when it closes. The settings record stays as
    // the printer's defaults gave it: these options are shown as the queue holds them.
    static void Edit(QWidget* owner, const QString& title, const std::string& printerName,
                     std::vector<uint8_t>& record);

  private:
    PrinterSettingsDialog(QWidget* owner, const QString& title,
                          const std::vector<QueueOption>& options);
};
