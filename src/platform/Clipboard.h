#pragma once

#include <QString>

// The desktop clipboard.
class Clipboard {
  public:
    static void SetText(const QString& text);
    static QString Text();
};
