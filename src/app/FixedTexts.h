#pragma once

#include <QString>

// The one text built into the program: the language files may be the missing ones.
inline QString NecessaryFileMissingText() {
    return QStringLiteral("The necessary file cannot be found. Install the program again.");
}
