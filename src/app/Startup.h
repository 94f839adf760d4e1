#pragma once

// The program's start-up routine: launch mode, file check, single running copy, owned objects,
// the main window, tear-down. Returns the process exit code.
int RunServato(int argc, char* argv[]);
