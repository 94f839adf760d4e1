#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>

#include "TempFolder.h"
#include "config/KeyValueFile.h"

TEST(KeyValueFile, LookupFollowsTheLineFormat) {
    const std::string piece = std::string(255, 'x');
    // what, content, key, value found
    const std::tuple<const char*, std::string, std::string, std::optional<std::string>> rows[] = {
        {"plain value", "A=1\nB=2\n", "B", "2"},
        {"last line without line end", "A=1\nB=2", "B", "2"},
        {"value kept unchanged", "A=  spaced \"quoted\" \n", "A", "  spaced \"quoted\" "},
        {"empty value counts as found", "A=\n", "A", ""},
        {"first match wins", "A=1\nA=2\n", "A", "1"},
        {"case-sensitive", "a=1\n", "A", std::nullopt},
        {"key must be followed by = or :", "A1=1\n", "A", std::nullopt},
        {"model 10 is not model 1", "PRINTER10=x\n", "PRINTER1", std::nullopt},
        {"no sections or comments", "[A]\n;A=1\nA=2\n", "A", "2"},
        {"alias to a later line", "A:B\nB=x\n", "A", "x"},
        {"alias chain", "A:B\nB:C\nC=deep\n", "A", "deep"},
        {"key AB matches neither alias nor target", "A:B\nB=x\n", "AB", std::nullopt},
        {"alias to a missing key is found and empty", "A:Z\n", "A", ""},
        {"alias cycle is not found", "A:B\nB:A\n", "A", std::nullopt},
        {"value ends at NUL", std::string("A=ab\0cd\n", 8), "A", "ab"},
        {"lone CR stays in the value", "A=a\rb\n", "A", "a\rb"},
        {"255-character line is one line", "A=" + std::string(253, 'v') + "\nB=2\n", "A",
         std::string(253, 'v')},
        {"longer line cut into pieces", piece + "B=hidden\nC=3\n", "B", "hidden"},
        {"value cut at 255 characters", "A=" + std::string(300, 'v') + "\n", "A",
         std::string(253, 'v')},
        {"255 characters then CR LF", piece + "\r\nB=2\r\n", "B", "2"},
        {"binary garbage around a key", std::string("\x01\xff\x00=\n\nA=ok\n\xfe\xfe", 13), "A",
         "ok"},
    };
    TempFolder folder;
    for (const auto& [what, content, key, expected] : rows)
        EXPECT_EQ(KeyValueFile(folder.Write("f.ini", content)).Lookup(key), expected) << what;
}

TEST(KeyValueFile, MissingOrUnusableFilesReadAsMissing) {
    TempFolder folder;
    EXPECT_FALSE(KeyValueFile(folder.Path() + "/none.ini").Lookup("A"));
    EXPECT_FALSE(KeyValueFile(folder.Path()).Lookup("A")) << "a folder is no settings file";

    const std::string pipe = folder.Path() + "/pipe.ini";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(KeyValueFile(pipe).Lookup("A")) << "a pipe in a file's place does not block";

    folder.Write("f.ini", "A=1\n");
    EXPECT_EQ(ReadSettingValue(folder.Path(), "f.ini", "A"), "1");
    EXPECT_EQ(ReadSettingValue(folder.Path(), "f.ini", "B"), "");
    EXPECT_EQ(ReadSettingValue(folder.Path(), "g.ini", "A"), "");
    EXPECT_EQ(ReadSettingValue("", "f.ini", "A"), "");
}

TEST(KeyValueFile, LargeFilesAreScannedUpToTheSizeLimit) {
    std::string content;
    for (int i = 0; i < 50000; ++i)
        content += "K" + std::to_string(i) + "=" + std::string(i % 300, 'z') + "\n";
    content.resize(KeyValueFile::kMaxFileSize - 8, '#');
    content += "\nNEAR=2222222\nLATE=3\n";  // NEAR crosses the limit: its value is cut
    TempFolder folder;
    const KeyValueFile file(folder.Write("huge.ini", content));
    EXPECT_EQ(file.Lookup("K49999"), std::string(49999 % 300, 'z'));
    EXPECT_EQ(file.Lookup("NEAR"), "22");
    EXPECT_FALSE(file.Lookup("LATE"));
}
