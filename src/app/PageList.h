#pragma once

#include <span>

#include "pagekit/PageEntry.h"

// The operation pages of the program, pages 1 to 9 in order: the one place that names them.
std::span<const PageEntry> OperationPages();
