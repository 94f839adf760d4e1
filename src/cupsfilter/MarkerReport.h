#pragma once

#include <span>
#include <string>

#include "comm/StatusReply.h"

// The printer's inks as CUPS keeps them for a queue ("marker-colors=... marker-levels=...
// marker-names=... marker-types=..."), so lpstat, print dialogs and the web interface show them;
// empty when there are no inks. A percent above 100 reads as unknown (-1).
std::string MarkerAttributes(std::span<const InkEntry> inks);
