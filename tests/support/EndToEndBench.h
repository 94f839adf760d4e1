#pragma once

// The program's own widgets and libraries against a private CUPS server and one emulated
// printer: the application fixture of the end-to-end tests.
//
//   EndToEndBench e2e{{.printer = {.model = "ZENTA Corvid 2000"}}};
//   ASSERT_TRUE(e2e.Start());            // sandbox, printer, application object, main window
//   Page* page = e2e.OpenPage(1012, 2);  // the printer chosen on the main menu, a button pressed
//   ... e2e.printer.WaitForJournal(...), e2e.bench.messages.texts() ...
//
// The queue is named after the test unless the options name it: the driver's media list is kept
// per queue name for the whole process.

#include <QString>
#include <memory>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "ScriptedFileDialogs.h"
#include "UiTestBench.h"
#include "app/MainWindow.h"
#include "driversettings/DriverMediaList.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/Page.h"
#include "platform/CupsSpooler.h"

class EndToEndBench {
  public:
    struct Setup {
        EmulatorOptions printer{};
        Clock* clock = nullptr;      // the bench's virtual clock when none
        Spooler* spooler = nullptr;  // the CUPS spooler when none
    };

    EndToEndBench();
    explicit EndToEndBench(Setup setup);

    ::testing::AssertionResult Start();
    // A new application object and main window, as when the program starts again.
    ::testing::AssertionResult Restart();
    // Chooses the emulated printer on the main menu and presses the button with that id: the page
    // of that number, or null when it did not open.
    Page* OpenPage(int menuButton, int number);
    // The window as drawn, saved in the folder SERVATO_SCREENSHOTS names, when set
    // (docs/screenshots is made this way).
    void Snapshot(const QString& file);

    ServiceApp& app() { return *bench.app; }
    QString Text(int32_t id) const { return bench.app->LoadText(id); }
    template <typename Control>
    static Control* Find(QWidget* in, int id) {
        return qobject_cast<Control*>(FindControl(in, id));
    }

    CupsSandbox sandbox;
    EmulatedPrinter printer;
    CupsSpooler spooler;
    ScriptedFileDialogs dialogs;
    UiTestBench bench;
    // As at start-up: the driver's media list outlives the pages that fill it.
    const DriverMediaList mediaCache{nullptr, {}, {}};
    std::unique_ptr<MainWindow> window;
};
