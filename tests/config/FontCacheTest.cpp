#include <gtest/gtest.h>

#include <QFont>
#include <tuple>

#include "TempFolder.h"
#include "config/FontCache.h"
#include "config/FontValue.h"

TEST(FontValue, ParsesFourIntegersIgnoringSpaces) {
    const std::pair<const char*, std::array<int32_t, 4>> rows[] = {
        {"12,1,0,0", {12, 1, 0, 0}},
        {" 1 2 , 1 ,0,1", {12, 1, 0, 1}},
        {"9,1", {9, 1, 0, 0}},
        {"9,x,1,1", {9, 0, 0, 0}},
        {"bold", {0, 0, 0, 0}},
        {"-3,1,0,0", {-3, 1, 0, 0}},
        {"9,1,0,0,7,trailing", {9, 1, 0, 0}},
        {"99999999999,1,1,1", {0, 0, 0, 0}},
    };
    for (const auto& [text, expected] : rows) {
        const FontValue v = ParseFontValue(text);
        EXPECT_EQ((std::array{v.pointSize, v.bold, v.italic, v.underline}), expected) << text;
    }
}

TEST(FontValue, PixelHeightIsTheSizeAt96DpiWhateverTheScreen) {
    // points, screen dpi, height
    const std::array<int32_t, 3> rows[] = {
        {12, 96, -16}, {12, 144, -16}, {12, 72, -16},
        {9, 120, -12}, {10, 96, -13},  {10, 120, -14},
        {11, 96, -15}, {8, 0, -11},    {2000000000, 96, -32767},
    };
    for (const auto& [points, dpi, height] : rows)
        EXPECT_EQ(FontPixelHeight(points, dpi), height) << points << " pt at " << dpi;
}

TEST(FontCache, FontsComeFromTheirEntryOrTheDefault) {
    TempFolder folder;
    QFont dialogFont("Sans Serif");
    dialogFont.setPointSize(8);
    folder.Write("L_Font.ini",
                 "00999999=10,0,0,0\n"
                 "00000001=12, 1, 0, 0\n"
                 "00000003=9,0,1,1\n"
                 "00000004=0,1,0,0\n"
                 "00-00001=20,1,1,1\n");
    FontCache fonts(folder.Path());
    fonts.SetDefaultFont(dialogFont, 120);
    const QFont defaultFont = fonts.DefaultFont();
    EXPECT_EQ(std::tuple(defaultFont.pixelSize(), defaultFont.weight(), defaultFont.family()),
              std::tuple(14, QFont::Normal, dialogFont.family()));
    const QFont bold12 = fonts.GetTextFont(1);
    EXPECT_EQ(std::tuple(bold12.pixelSize(), bold12.weight(), bold12.italic()),
              std::tuple(16, QFont::Bold, false));
    const QFont styled = fonts.GetTextFont(3);
    EXPECT_EQ(std::tuple(styled.pixelSize(), styled.italic(), styled.underline()),
              std::tuple(12, true, true));
    EXPECT_EQ(fonts.GetTextFont(4), defaultFont) << "size 0";
    EXPECT_EQ(fonts.GetTextFont(6), defaultFont) << "no entry";
    EXPECT_EQ(fonts.GetTextFont(-1).pixelSize(), 27) << "id -1 has a key of its own";
}
