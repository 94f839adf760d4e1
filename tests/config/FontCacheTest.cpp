#include <gtest/gtest.h>

#include <QFont>
#include <string>

#include "TempFolder.h"
#include "config/FontCache.h"
#include "config/FontValue.h"

TEST(FontValue, ParsesFourIntegersIgnoringSpaces) {
    struct Row {
        const char* text;
        FontValue expected;
    };
    const Row rows[] = {
        {"12,1,0,0", {12, 1, 0, 0}},
        {"12, 1, 1, 1", {12, 1, 1, 1}},
        {" 1 2 , 1 ,0,1", {12, 1, 0, 1}},
        {"9", {9, 0, 0, 0}},
        {"9,1", {9, 1, 0, 0}},
        {"9,x,1,1", {9, 0, 0, 0}},
        {"", {0, 0, 0, 0}},
        {"bold", {0, 0, 0, 0}},
        {"-3,1,0,0", {-3, 1, 0, 0}},
        {"9,1,0,0,7,trailing", {9, 1, 0, 0}},
        {"99999999999,1,1,1", {0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        const FontValue value = ParseFontValue(row.text);
        EXPECT_EQ(value.pointSize, row.expected.pointSize) << row.text;
        EXPECT_EQ(value.bold, row.expected.bold) << row.text;
        EXPECT_EQ(value.italic, row.expected.italic) << row.text;
        EXPECT_EQ(value.underline, row.expected.underline) << row.text;
    }
}

TEST(FontValue, PixelHeightIsTheSizeAt96DpiWhateverTheScreen) {
    struct Row {
        int32_t points;
        int32_t dpi;
        int32_t height;
    };
    const Row rows[] = {
        {12, 96, -16}, {12, 120, -16}, {12, 144, -16},           {12, 72, -16}, {9, 96, -12},
        {9, 120, -12}, {10, 96, -13},  {10, 120, -14},           {11, 96, -15}, {14, 96, -19},
        {8, 0, -11},   {1, 96, -1},    {2000000000, 96, -32767},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FontPixelHeight(row.points, row.dpi), row.height)
            << row.points << " pt at " << row.dpi;
    }
}

TEST(FontCache, FontsComeFromTheirEntryOrTheDefault) {
    TempFolder folder;
    folder.Write("L_Font.ini",
                 "00999999=10,0,0,0\n"
                 "00000001=12, 1, 0, 0\n"
                 "00000002=12,1,0,0\n"
                 "00000003=9,0,1,1\n"
                 "00000004=0,1,0,0\n"
                 "00000005=garbage\n"
                 "00-00001=20,1,1,1\n");
    QFont dialogFont("Sans Serif");
    dialogFont.setPointSize(8);
    FontCache fonts(folder.Path());
    fonts.SetDefaultFont(dialogFont, 120);

    const QFont defaultFont = fonts.DefaultFont();
    EXPECT_EQ(defaultFont.pixelSize(), 14);
    EXPECT_EQ(defaultFont.weight(), QFont::Normal);
    EXPECT_EQ(defaultFont.family(), dialogFont.family());

    const QFont bold12 = fonts.GetTextFont(1);
    EXPECT_EQ(bold12.pixelSize(), 16);
    EXPECT_EQ(bold12.weight(), QFont::Bold);
    EXPECT_FALSE(bold12.italic());
    EXPECT_EQ(bold12.family(), dialogFont.family());

    const QFont styled = fonts.GetTextFont(3);
    EXPECT_EQ(styled.pixelSize(), 12);
    EXPECT_TRUE(styled.italic());
    EXPECT_TRUE(styled.underline());

    EXPECT_EQ(fonts.GetTextFont(4), defaultFont) << "size 0";
    EXPECT_EQ(fonts.GetTextFont(5), defaultFont) << "no number";
    EXPECT_EQ(fonts.GetTextFont(6), defaultFont) << "no entry";
    EXPECT_EQ(fonts.GetTextFont(-1).pixelSize(), 27) << "id -1 has a key of its own";

    EXPECT_EQ(fonts.GetTextFont(2), bold12);
    EXPECT_EQ(fonts.CachedFontCount(), 3u) << "ids 1 and 2 share one font; -1 has its own entry";
}

TEST(FontCache, MissingFontFileGivesTheDialogFont) {
    TempFolder folder;
    QFont dialogFont("Sans Serif");
    dialogFont.setPointSize(11);
    FontCache fonts(folder.Path());
    fonts.SetDefaultFont(dialogFont, 96);
    EXPECT_EQ(fonts.DefaultFont(), dialogFont);
    EXPECT_EQ(fonts.GetTextFont(10000), dialogFont);
    EXPECT_EQ(fonts.CachedFontCount(), 0u);
}
