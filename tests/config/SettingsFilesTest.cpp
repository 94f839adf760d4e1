#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "config/ManualPath.h"
#include "config/SupportedModels.h"

TEST(SupportedModels, ExactNamesOfTheCountedModels) {
    const std::string two =
        "PRINTER_NUM=2\nPRINTER1=ZENTA Corvid 4000\nPRINTER2=ZENTA Corvid 2000\n";
    // what, Printer.ini, model, supported
    const std::tuple<const char*, std::string, std::string, bool> rows[] = {
        {"first model", two, "ZENTA Corvid 4000", true},
        {"letter case differs", two, "ZENTA CORVID 4000", false},
        {"prefix only", two, "ZENTA Corvid", false},
        {"beyond the count", "PRINTER_NUM=1\nPRINTER1=A\nPRINTER2=B\n", "B", false},
        {"count not a number", "PRINTER_NUM=two\nPRINTER1=A\n", "A", false},
        {"count with trailing text", "PRINTER_NUM=2 models\nPRINTER1=A\nPRINTER2=B\n", "B", true},
        {"gap in the list", "PRINTER_NUM=3\nPRINTER1=A\nPRINTER3=C\n", "C", true},
        {"a missing name is no empty model", "PRINTER_NUM=2\nPRINTER1=A\n", "", false},
        {"huge count ends", "PRINTER_NUM=2147483647\nPRINTER1=A\n", "Z", false},
    };
    for (const auto& [what, content, name, supported] : rows) {
        TempFolder folder;
        folder.Write("Printer.ini", content);
        EXPECT_EQ(IsSupportedModel(folder.Path(), name), supported) << what;
    }
}

TEST(ManualPath, PathUnderTheProgramFolder) {
    TempFolder program;
    std::filesystem::create_directory(program.Path() + "/Settings");
    program.Write("Settings/Manual.ini",
                  "MANUAL_0000=Manual/main.html\n"
                  "MANUAL_0501=Manual/media.html\n"
                  "MANUAL_1012=Manual/ten.html\n"
                  "MANUAL_0300=\n");
    // page, topic, path
    const std::tuple<int, int, std::string> rows[] = {
        {0, 0, program.Path() + "/Manual/main.html"},
        {5, 1, program.Path() + "/Manual/media.html"},
        {10, 12, program.Path() + "/Manual/ten.html"},
        {3, 0, ""},
    };
    for (const auto& [page, topic, path] : rows)
        EXPECT_EQ(ManualPath(program.Path(), page, topic), path) << page << "," << topic;
}
