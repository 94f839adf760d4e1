#include "pagekit/AlignmentValueBox.h"

#include "pagekit/NumberText.h"

AlignmentValueBox::AlignmentValueBox(QWidget* parent) : QLineEdit(parent) {
    setText(QString::number(lastAccepted_));
    connect(this, &QLineEdit::textChanged, this, &AlignmentValueBox::Normalize);
}

void AlignmentValueBox::SetValue(int value) {
    setText(QString::number(value));
}

void AlignmentValueBox::Normalize(const QString& typed) {
    const QString normalized =
        QString::fromStdString(NormalizeNumberText(typed.toStdString(), kMin, kMax, true));
    if (normalized != typed) {
        setText(normalized);  // comes back here once with the normalised text
        return;
    }
    bool ok = false;
    const int value = normalized.toInt(&ok);
    if (ok && value >= kMin && value <= kMax) lastAccepted_ = value;
}

void AlignmentValueBox::focusOutEvent(QFocusEvent* event) {
    if (text().isEmpty()) setText(QString::number(lastAccepted_));
    QLineEdit::focusOutEvent(event);
}
