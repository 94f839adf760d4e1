#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The maintenance commands the model PPDs declare (*cupsCommands).
enum class MaintenanceCommand { Clean, PrintSelfTestPage, ReportLevels };

// What a CUPS command file asks for.
struct CommandFile {
    // Each command once, in the order of its first line: a file that repeats a command (or a
    // client that sends it twice) cleans the heads once.
    std::vector<MaintenanceCommand> commands;
    // The first lines that name no command, made printable and short for the job log, and how
    // many such lines there were in all.
    std::vector<std::string> unknown;
    size_t unknownCount = 0;
};

// Lines end in LF (a CR before it is dropped; the last line needs none). Blank lines and lines
// beginning with '#' (the "#CUPS-COMMAND" header among them) are skipped. The first word names the
// command, in any letter case; its arguments are ignored, since the printer cleans all heads at
// once. A line holding bytes that are not text names no command.
CommandFile ParseCommandFile(std::span<const uint8_t> text);
