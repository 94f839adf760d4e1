#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QTimer>

#include "UiTestBench.h"
#include "app/MainWindow.h"
#include "app/PageCombo.h"
#include "app/PageList.h"
#include "pagekit/Page.h"

namespace {

constexpr const char* kModel = "ZENTA Corvid 4000";

// A page that notes the messages it receives and refuses activation when told to.
class NotingPage : public Page {
  public:
    NotingPage(ServiceApp& app, int k, QWidget* parent, std::vector<std::string>& log)
        : Page(app, k, 100 + 10 * k, parent), log_(log) {}
    int PageActivated() override { return Note("activated"), refuse ? 0 : 1; }
    void PageDeactivated() override { Note("deactivated"); }
    void PrinterDefaultsChanged() override { Note("defaults"); }
    bool refuse = false;

  private:
    void Note(const std::string& what) {
        log_.push_back(what + " " + std::to_string(PageNumber()));
    }
    std::vector<std::string>& log_;
};

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { bench.spooler.queues = {UiTestBench::Queue("desk", kModel)}; }

    MainWindow& OpenWindow() {
        for (int k = 1; k < 10; ++k) {
            entries.push_back({k,
                               [this, k](ServiceApp& app, QWidget* parent) {
                                   auto* page = new NotingPage(app, k, parent, log);
                                   pages[static_cast<size_t>(k)] = page;
                                   return page;
                               },
                               k == 1 || k == 3 || k == 5 || k == 8 || k == 9});
        }
        window = std::make_unique<MainWindow>(*bench.app, entries);
        EXPECT_TRUE(window->Open());
        log.clear();
        return *window;
    }

    UiTestBench bench;
    std::vector<std::string> log;
    std::vector<PageEntry> entries;
    std::array<NotingPage*, 10> pages{};
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, OpensOnTheMainMenuThenEachPageSetsCaptionSelectorAndPageMenuItem) {
    MainWindow& w = OpenWindow();
    EXPECT_GE(bench.clock.NowMs(), 2000);  // the splash
    EXPECT_TRUE(bench.messages.messages().empty());
    bench.app->selectedPrinter().printerName = "desk";
    for (int k = 1; k < 10; ++k) {
        SCOPED_TRACE(k);
        w.ShowPage(k);
        EXPECT_EQ(w.CurrentPage(), k);
        EXPECT_EQ(w.windowTitle(), bench.app->LoadText(0) + " - desk");
        EXPECT_TRUE(w.pageCombo()->isVisibleTo(&w));
        EXPECT_EQ(w.pageCombo()->PageOfRow(w.pageCombo()->currentIndex()), k);
        EXPECT_EQ(w.printerSettingsAction()->isEnabled(), entries[k - 1].usesPrinterSettings);
        EXPECT_EQ(w.centralWidget()->height(), 60 + 100 + 10 * k);
        for (int other = 0; other < 10; ++other)
            EXPECT_EQ(w.PageAt(other)->isVisibleTo(&w), other == k) << other;
    }
    w.ShowPage(0);
    EXPECT_TRUE(w.PageAt(0)->isVisibleTo(&w));
    EXPECT_EQ(w.windowTitle(), bench.app->LoadText(0));
    EXPECT_FALSE(w.pageCombo()->isVisibleTo(&w));
    EXPECT_FALSE(w.printerSettingsAction()->isEnabled());
}

TEST_F(MainWindowTest, ARefusingPageLeavesThePreviousPageShown) {
    MainWindow& w = OpenWindow();
    pages[4]->refuse = true;

    w.ShowPage(4);  // from the main menu: the main menu is shown again
    EXPECT_EQ(w.CurrentPage(), 0);
    EXPECT_TRUE(w.PageAt(0)->isVisibleTo(&w));

    w.ShowPage(3);
    log.clear();
    w.ShowPage(4);  // from another page: that page stays, without a second activation
    EXPECT_EQ(w.CurrentPage(), 3);
    EXPECT_EQ(log, (std::vector<std::string>{"deactivated 3", "activated 4"}));
    EXPECT_TRUE(w.PageAt(3)->isVisibleTo(&w));
    EXPECT_EQ(w.pageCombo()->PageOfRow(w.pageCombo()->currentIndex()), 3);

    w.pageCombo()->setCurrentIndex(w.pageCombo()->RowOfPage(5));
    EXPECT_EQ(w.CurrentPage(), 5);
}

TEST_F(MainWindowTest, PageMenuItemShowsTheDriverDialogThenTellsThePage) {
    MainWindow& w = OpenWindow();
    bench.app->selectedPrinter().printerName = "desk";
    w.ShowPage(1);
    bench.app->selectedPrinter().defaults.reset();
    log.clear();
    w.printerSettingsAction()->trigger();
    EXPECT_TRUE(log.empty());  // no settings record: nothing to edit

    bench.app->selectedPrinter().defaults = std::vector<uint8_t>{1, 2, 3};
    bool dialogShown = false;
    QTimer::singleShot(0, [&dialogShown] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialogShown = true;
            dialog->close();
        }
    });
    w.printerSettingsAction()->trigger();
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(log, std::vector<std::string>{"defaults 1"});
}

TEST_F(MainWindowTest, APageThatCannotBeMadeEndsTheProgram) {
    std::vector<PageEntry> list(OperationPages().begin(), OperationPages().end());
    list[4].create = [](ServiceApp&, QWidget*) { return nullptr; };
    MainWindow w(*bench.app, list);
    EXPECT_FALSE(w.Open());
    ASSERT_EQ(bench.messages.messages().size(), 1u);
    EXPECT_EQ(bench.messages.messages()[0].text, bench.app->LoadText(902));
    EXPECT_EQ(bench.messages.messages()[0].icon, MessageIcon::Error);
}

TEST_F(MainWindowTest, OnlyTheExitQuestionClosesTheWindow) {
    MainWindow& w = OpenWindow();
    w.show();
    w.ShowPage(3);
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(&w, static_cast<Qt::Key>(key));
        EXPECT_TRUE(w.isVisible());
    }
    EXPECT_TRUE(bench.messages.messages().empty());

    bench.messages.QueueAnswer(MessageAnswer::Cancel);
    w.close();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(bench.messages.messages().size(), 1u);
    EXPECT_EQ(bench.messages.messages()[0].text, bench.app->LoadText(900));
    EXPECT_EQ(bench.messages.messages()[0].buttons, MessageButtons::OkCancel);

    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(log, (std::vector<std::string>{"activated 3", "deactivated 3"}));
}

}  // namespace
