#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void Clipboard::SetText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString Clipboard::Text() {
    return QGuiApplication::clipboard()->text();
}
