#include "platform/ProgramFolder.h"

#include <QCoreApplication>

std::string ProgramFolder() {
    if (QCoreApplication::instance() == nullptr) return {};
    return QCoreApplication::applicationDirPath().toStdString();
}
