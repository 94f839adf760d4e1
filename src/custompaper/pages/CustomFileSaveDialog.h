#pragma once

#include <string>

#include "custompaper/pages/PageDialog.h"

struct CustomPaperFileEntry;
class FileNameBox;

// Saves a custom paper file entry under a name into a file chosen here: over the setting of the
// same name, after the user agrees, else as a new setting at the end; a new file is created. It
// closes with OK only once the file holds the setting, and remembers its folder.
class CustomFileSaveDialog : public PageDialog {
    Q_OBJECT
  public:
    static constexpr int kFileName = 1094;
    static constexpr int kBrowseButton = 1001;
    static constexpr int kNameEdit = 1022;

    // `entry` takes the name given here.
    CustomFileSaveDialog(ServiceApp& app, std::string path, CustomPaperFileEntry& entry,
                         QWidget* page);

    const std::string& path() const { return path_; }

  protected:
    void accept() override;

  private:
    void Browse();
    void ShowPath();
    void UpdateOk();
    const std::string& modelName();

    CustomPaperFileEntry& entry_;
    std::string path_;
    FileNameBox* fileName_;
};
