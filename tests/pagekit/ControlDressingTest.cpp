#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "TempFolder.h"
#include "config/FontCache.h"
#include "config/TextCatalog.h"
#include "pagekit/ControlDressing.h"

namespace {

class DressingTest : public ::testing::Test {
  protected:
    DressingTest() : texts_(folder_.Path()), fonts_(folder_.Path()) {
        folder_.Write("Localize.ini",
                      "00000010=Window title\n"
                      "00000011=Label text\n"
                      "00000012=Button text\n"
                      "00000013=Group title\n"
                      "00000014=Edit text\n"
                      "00000015=Check text\n"
                      "00000016=Two\\nlines\n");
        folder_.Write("L_Font.ini", "00000011=12,1,0,0\n");
        fonts_.SetDefaultFont(QFont("Sans Serif", 9), 96);
        const std::pair<QWidget*, int> ids[] = {
            {&page_, 500}, {label_, 1028}, {button_, 1003}, {group_, 1160},
            {edit_, 1098}, {check_, 1169}, {nested_, 1040}, {dialogLabel_, 1041}};
        for (const auto& [control, id] : ids) SetControlId(control, id);
    }

    TempFolder folder_;
    TextCatalog texts_;
    FontCache fonts_;
    QWidget page_;
    QLabel* label_ = new QLabel("template", &page_);
    QPushButton* button_ = new QPushButton("template", &page_);
    QGroupBox* group_ = new QGroupBox("template", &page_);
    QLineEdit* edit_ = new QLineEdit("template", &page_);
    QCheckBox* check_ = new QCheckBox("template", group_);
    QLabel* nested_ = new QLabel("template", group_);
    QDialog* dialog_ = new QDialog(&page_);
    QLabel* dialogLabel_ = new QLabel("dialog", dialog_);
};

}  // namespace

TEST_F(DressingTest, FindControlSearchesThePageButNotItsDialogs) {
    EXPECT_EQ(FindControl(&page_, 500), &page_);
    EXPECT_EQ(FindControl(&page_, 1040), nested_) << "inside a group box";
    EXPECT_EQ(FindControl(&page_, 1041), nullptr) << "inside a dialog owned by the page";
    EXPECT_EQ(FindControl(dialog_, 1041), dialogLabel_);
    EXPECT_EQ(FindControl(&page_, 4242), nullptr);
    EXPECT_EQ(FindControl(nullptr, 1028), nullptr);
}

TEST_F(DressingTest, ApplyTextsSetsTextsAndAccessibleNames) {
    const std::vector<ControlText> table = {
        {500, 10},  {1028, 11}, {1003, 12}, {1160, 13}, {1098, 14},
        {1169, 15}, {1040, 16}, {4242, 11}, {1041, 11},
    };
    ApplyTexts(&page_, table, texts_);
    EXPECT_EQ((QStringList{page_.windowTitle(), label_->text(), label_->accessibleName(),
                           button_->accessibleName(), group_->title(), edit_->text(),
                           check_->text(), nested_->text(), dialogLabel_->text()}),
              (QStringList{"Window title", "Label text", "Label text", "Button text", "Group title",
                           "Edit text", "Check text", "Two\nlines", "dialog"}));

    const std::vector<ControlText> untouched = {{1028, -1}, {1003, 999}};
    ApplyTexts(&page_, untouched, texts_);
    EXPECT_EQ(label_->text(), "Label text") << "text id -1 leaves the text";
    EXPECT_EQ(button_->text(), "") << "an id without text empties the control";
}

TEST_F(DressingTest, ApplyFontsAndPlaceControls) {
    const std::vector<ControlText> fonts = {{1028, 11}, {1003, -1}, {4242, 11}};
    ApplyFonts(&page_, fonts, fonts_);
    EXPECT_EQ(std::tuple(label_->font().pixelSize(), label_->font().weight()),
              std::tuple(16, QFont::Bold));
    EXPECT_EQ(button_->font(), fonts_.DefaultFont());

    const std::vector<ControlRect> rects = {{1028, 70, 12, 200, 30},
                                            {1003, 11, 360, 124, 382},
                                            {1098, 50, 50, 40, 40},
                                            {4242, 1, 1, 2, 2}};
    PlaceControls(&page_, rects);
    EXPECT_EQ(label_->geometry(), QRect(70, 12, 130, 18));
    EXPECT_EQ(button_->geometry(), QRect(11, 360, 113, 22));
    EXPECT_EQ(edit_->geometry().size(), QSize(0, 0))
        << "an inverted rectangle gives an empty control";
}
