#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QWheelEvent>

#include "UiTestBench.h"
#include "pagekit/AlignmentValueBox.h"
#include "pagekit/CopyMenu.h"
#include "pagekit/MarkCombo.h"
#include "platform/Clipboard.h"

namespace {

TEST(MarkComboTest, MarkedEntriesCannotBeChosen) {
    MarkCombo combo;
    combo.AddEntry("Plain paper", 11);
    combo.AddEntry("Backlit film", 12 | MarkCombo::kMark);
    combo.AddEntry("Canvas", 13);
    combo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
    // Pages react to changes: not one may carry a marked entry, not even for a moment.
    std::vector<int> changes;
    QObject::connect(&combo, &QComboBox::currentIndexChanged, [&](int index) {
        changes.push_back(index);
        EXPECT_FALSE(combo.IsMarked(index)) << index;
    });

    EXPECT_TRUE(combo.IsMarked(1));
    EXPECT_FALSE(combo.IsMarked(7));
    EXPECT_EQ(combo.ItemValue(1), 12u | MarkCombo::kMark);

    // From the keyboard and the wheel on the closed list, the marked entry is passed over.
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.currentIndex(), 2);
    QTest::keyClick(&combo, Qt::Key_Up);
    EXPECT_EQ(combo.currentIndex(), 0);
    QTest::keyClick(&combo, Qt::Key_B);  // types the marked entry's first letter
    EXPECT_EQ(combo.currentIndex(), 0);
    QWheelEvent wheel(QPointF(5, 5), combo.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&combo, &wheel);
    EXPECT_EQ(combo.currentIndex(), 2);

    // From the open list: the entry selected when it opened comes back.
    combo.showPopup();
    combo.view()->setCurrentIndex(combo.model()->index(1, 0));
    QTest::keyClick(combo.view(), Qt::Key_Return);
    EXPECT_EQ(combo.currentIndex(), 2);

    // Unmarking makes it choosable; the page's value survives the mark.
    combo.SetMark(1, 0);
    EXPECT_EQ(combo.ItemValue(1), 12u);
    combo.showPopup();
    combo.view()->setCurrentIndex(combo.model()->index(1, 0));
    QTest::keyClick(combo.view(), Qt::Key_Return);
    EXPECT_EQ(combo.currentIndex(), 1);

    EXPECT_EQ(changes, (std::vector<int>{2, 0, 2, 1}));  // each choice once, none marked
}

TEST(AlignmentValueBoxTest, KeepsValuesFromOneToNine) {
    QWidget window;
    auto* box = new AlignmentValueBox(&window);
    auto* other = new QLineEdit(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    box->setFocus();

    box->clear();
    QTest::keyClicks(box, "x0");
    EXPECT_EQ(box->text(), "1");
    QTest::keyClicks(box, "5");  // "15" clamps
    EXPECT_EQ(box->Value(), 9);

    box->clear();
    EXPECT_EQ(box->LastAccepted(), 9);
    other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(box->hasFocus());
    EXPECT_EQ(box->text(), "9");
}

TEST(CopyMenuTest, RightClickOffersCopyOfTheSelection) {
    UiTestBench bench;
    QPlainTextEdit box;
    box.setReadOnly(true);
    box.setPlainText("JI:0001;\nJI:0002;");
    auto* copyMenu = new CopyMenu(&box, *bench.app);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));

    Clipboard::SetText("before");
    box.selectAll();
    QTest::mouseClick(box.viewport(), Qt::RightButton, {}, QPoint(10, 10));
    ASSERT_TRUE(copyMenu->menu()->isVisible());
    copyMenu->copyAction()->trigger();
    EXPECT_EQ(Clipboard::Text(), "JI:0001;\nJI:0002;");
    copyMenu->menu()->hide();
}

}  // namespace
