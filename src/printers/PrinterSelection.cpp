#include "printers/PrinterSelection.h"

#include "comm/CommLibrary.h"
#include "comm/PrinterLink.h"
#include "driversettings/DriverSettings.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "pagekit/ServiceApp.h"
#include "platform/Messages.h"
#include "platform/SettingsStore.h"
#include "platform/Spooler.h"
#include "platform/StatusMonitorDrivers.h"

namespace {
constexpr int32_t kDriverNotRegistered = 905;
constexpr int32_t kOtherModelAnswered = 906;
constexpr const char* kRememberedPrinter = "SelectPrinter";
}  // namespace

PrinterSelection::PrinterSelection(ServiceApp& app) : app_(app) {}

int PrinterSelection::Apply(const SpoolerQueue* chosen, QWidget* owner) {
    SelectedPrinter& selected = app_.selectedPrinter();
    if (chosen) {
        selected.printerName = chosen->name;
        selected.driverName = chosen->driverName;
        selected.portName = chosen->portName;
        ReadPrinterDefaults(app_, selected.printerName);
    }
    const bool review = app_.IsMessageReview();
    if (!review && !StatusMonitorDrivers::IsRegistered(selected.driverName)) {
        Refuse(kDriverNotRegistered, owner);
        return -1;
    }
    ReloadCommLibrary(selected.printerName);
    if (!review) {
        PrinterLink link = app_.Link();
        if (!link.DeviceDescriptionMatches(selected.printerName, selected.driverName)) {
            Refuse(kOtherModelAnswered, owner);
            return -1;
        }
    }
    SettingsStore().WriteString(kRememberedPrinter, selected.printerName);
    return 0;
}

std::string PrinterSelection::RememberedPrinter() {
    return SettingsStore().ReadString(kRememberedPrinter);
}

void PrinterSelection::ReadPrinterDefaults(ServiceApp& app, const std::string& printerName) {
    // The application's binding is loaded only while an operation page is shown, so the record is
    // read through a binding of its own.
    DriverSettingsLibrary library(app.spooler());
    library.Load(printerName);
    DriverSettings settings(&library, printerName, app.selectedPrinter().portName);
    std::vector<uint8_t> record;
    if (settings.GetDevMode(record) >= 1) {
        app.selectedPrinter().defaults = std::move(record);
    } else {
        app.selectedPrinter().defaults.reset();
    }
}

// A library that loads by name but cannot reach this printer gives way to the one the printer's
// driver names.
void PrinterSelection::ReloadCommLibrary(const std::string& printerName) {
    CommLibrary* library = app_.commLibrary();
    if (!library) return;
    library->Unload();
    if (!library->Load(printerName, true)) return;
    PrinterLink probe = app_.Link();
    const int32_t channel = probe.OpenChannel(printerName);
    if (channel < 1) {
        library->Unload();
        library->Load(printerName, false);
    } else {
        probe.CloseChannel(channel);
    }
}

void PrinterSelection::Refuse(int32_t textId, QWidget* owner) {
    app_.messages().Show(owner, app_.LoadText(textId), app_.LoadText(0), MessageIcon::Error,
                         MessageButtons::Ok);
}
