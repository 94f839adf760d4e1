#pragma once

#include <string>

class QWidget;
class ServiceApp;
struct SpoolerQueue;

// Admits the printer chosen on the main menu: takes it over into the application object, checks
// that the status monitor knows its driver, reloads the communication library for it and checks
// that the printer says it is that model; then remembers it for the next run.
class PrinterSelection {
  public:
    explicit PrinterSelection(ServiceApp& app);

    // 0 when the printer passed and the page may open; -1 after the message that stopped it.
    // A null queue keeps the printer selected before.
    int Apply(const SpoolerQueue* chosen, QWidget* owner);

    // "SelectPrinter" of the settings store; empty on the first run.
    static std::string RememberedPrinter();
    // Replaces the application object's printer defaults with the queue's current record.
    static void ReadPrinterDefaults(ServiceApp& app, const std::string& printerName);

  private:
    void ReloadCommLibrary(const std::string& printerName);
    void Refuse(int32_t textId, QWidget* owner);

    ServiceApp& app_;
};
