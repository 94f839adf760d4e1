#pragma once

#include <string>

class Clock;
class Messages;
class SingleInstance;
class Spooler;

// The program's start-up routine: framework, platform objects, then the start-up sequence.
// Returns the process exit code.
int RunServato(int argc, char* argv[]);

// What the start-up sequence runs on; the program passes its real platform objects, tests a
// recorder, a virtual clock, a substitute spooler and a lock in a temporary folder.
struct StartupEnvironment {
    std::string programFolder;
    Messages& messages;
    Clock& clock;
    Spooler& spooler;
    SingleInstance& instance;
};

// Launch mode, file check, single running copy, owned objects, the main window, tear-down.
// Needs the application object; 0 when the program ran or another copy was raised, 1 when it
// refused to start.
int RunStartupSequence(const StartupEnvironment& environment);

// The first of the seven necessary settings files that is missing, in the order they are
// checked; empty when all exist.
std::string FirstMissingSettingsFile(const std::string& settingsFolder);
