#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "config/TextCatalog.h"

TEST(TextCatalog, LoadTextReadsReferThenLocalizeThenConst) {
    TempFolder folder;
    folder.Write("Localize.ini",
                 "00000001=localized\n"
                 "00000002=both localized\n"
                 "00000005=own text\n"
                 "00000007=first\\nsecond\n"
                 "00000008=C:\\temp\\x \\\\n\n"
                 "00000009=Größe × 0,1 mm\r\n"
                 "00000020=target\n"
                 "00000021=\n");
    folder.Write("L_Const.ini",
                 "00000002=both const\n"
                 "00000003=const only\n"
                 "00000021=const after empty\n"
                 "00000030=const target\n");
    folder.Write("L_Refer.ini",
                 "00000004=00000020\n"
                 "00000005=00000099\n"
                 "00000006=00000030\n"
                 "00000010=\n");
    const TextCatalog texts(folder.Path());
    const std::pair<int32_t, std::string> rows[] = {
        {1, "localized"},
        {2, "both localized"},
        {3, "const only"},
        {4, "target"},
        {5, ""},  // referred to a key that neither text file has
        {6, "const target"},
        {7, "first\nsecond"},
        {8, "C:\\temp\\x \\\n"},
        {9, "Größe × 0,1 mm"},
        {10, ""},
        {21, "const after empty"},
        {-1, ""},
        {12345, ""},
    };
    for (const auto& [id, text] : rows) EXPECT_EQ(texts.LoadText(id), text) << id;
}
