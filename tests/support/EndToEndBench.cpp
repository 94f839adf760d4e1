#include "EndToEndBench.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>

namespace {

EmulatorOptions NamedAfterTheTest(EmulatorOptions options) {
    if (options.queue.empty()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        options.queue = std::string(test->test_suite_name()) + "_" + test->name();
    }
    return options;
}

}  // namespace

EndToEndBench::EndToEndBench() : EndToEndBench(Setup{}) {}

EndToEndBench::EndToEndBench(Setup setup)
    : printer(sandbox, NamedAfterTheTest(std::move(setup.printer))),
      bench(
          {.spooler = setup.spooler != nullptr ? setup.spooler : &spooler, .clock = setup.clock}) {}

::testing::AssertionResult EndToEndBench::Start() {
    if (auto started = sandbox.Start(); !started) return started;
    if (auto started = printer.Start(); !started) return started;
    return Restart();
}

::testing::AssertionResult EndToEndBench::Restart() {
    window.reset();
    if (bench.StartApp() != 0) return ::testing::AssertionFailure() << "owned objects not made";
    bench.app->UseFileDialogs(&dialogs);
    window = std::make_unique<MainWindow>(*bench.app);
    bench.app->SetMainWindow(window.get());
    if (!window->Open()) return ::testing::AssertionFailure() << "the main window did not open";
    return ::testing::AssertionSuccess();
}

Page* EndToEndBench::OpenPage(int menuButton, int number) {
    Page* menu = window->PageAt(0);
    auto* printers = Find<QComboBox>(menu, 1026);
    printers->setCurrentIndex(printers->findText(QString::fromStdString(printer.Queue())));
    Find<QAbstractButton>(menu, menuButton)->click();
    return window->CurrentPage() == number ? window->PageAt(number) : nullptr;
}

void EndToEndBench::Snapshot(const QString& file) {
    const QString folder = qEnvironmentVariable("SERVATO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    window->show();
    QApplication::processEvents();
    EXPECT_TRUE(QDir().mkpath(folder) && window->grab().save(folder + "/" + file));
}
