#pragma once

#include <string>

class QWidget;

// What a file dialog is asked for. The filter is written as the settings texts write it: pairs
// of a description and its patterns, each ended by '|', the list ended by a second '|'
// ("UPG File(*.UPG)|*.UPG||").
struct FileDialogRequest {
    std::string folder;  // where the dialog starts
    std::string filter;
    std::string defaultExtension;  // without the dot
};

// The platform's file dialogs. The program shows Qt's; tests answer from a script.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The full path of the existing file chosen, or empty when the user cancelled. owner may be
    // null.
    virtual std::string ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) = 0;
    // The full path of a new or an existing file, or empty when the user cancelled; the caller
    // asks its own questions before it writes.
    virtual std::string ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) = 0;
};
