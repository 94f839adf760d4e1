#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <filesystem>

std::string ProgramFolder() {
    if (QCoreApplication::instance() == nullptr) return {};
    return ProgramFolderOf(QCoreApplication::applicationDirPath().toStdString());
}

std::string ProgramFolderOf(const std::string& executableFolder) {
    if (executableFolder.empty()) return {};
    const std::filesystem::path installed =
        (std::filesystem::path(executableFolder) / SERVATO_DATA_FROM_BIN).lexically_normal();
    std::error_code error;
    if (!std::filesystem::is_directory(installed, error)) return executableFolder;
    std::string folder = installed.string();
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}
