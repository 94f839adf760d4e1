#pragma once

#include "platform/FileDialogs.h"

// The file dialogs of the program: QFileDialog, with each pattern of a filter also offered in
// lower case, since Linux file names are case-sensitive.
class QtFileDialogs : public FileDialogs {
  public:
    std::string ChooseFileToOpen(QWidget* owner, const std::string& filter,
                                 const std::string& defaultExtension,
                                 const std::string& folder) override;
    std::string ChooseFileToSave(QWidget* owner, const std::string& filter,
                                 const std::string& defaultExtension,
                                 const std::string& folder) override;
};
