#include "platform/DesktopOpener.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopOpener::OpenFile(const std::string& path) {
    if (path.empty()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
