#pragma once

#include <QString>

class QWidget;

enum class MessageIcon { Error, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Modal message boxes. The program shows QMessageBox; tests record what would be shown and answer
// from a script.
class Messages {
public:
    virtual ~Messages() = default;
    // owner may be null (no owner).
    virtual MessageAnswer Show(QWidget* owner, const QString& text, const QString& caption,
                               MessageIcon icon, MessageButtons buttons) = 0;
};
