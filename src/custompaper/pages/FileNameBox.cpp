#include "custompaper/pages/FileNameBox.h"

#include <filesystem>

FileNameBox::FileNameBox(QWidget* parent) : QLabel(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
}

void FileNameBox::ShowFileOf(const std::string& path) {
    setText(QString::fromStdString(std::filesystem::path(path).filename().string()));
}
