#pragma once

#include <string>

// The folder of the running program file, without a trailing slash; empty before the
// application object exists.
std::string ProgramFolder();
