#pragma once

#include <string>

class QWidget;

// The platform's file open and save dialogs. A filter is written as the settings texts write it:
// pairs of a description and its patterns, each ended by '|', the list ended by a second '|'
// ("ZCF File(*.ZCF)|*.ZCF|All Files(*.*)|*.*||"). Each dialog gives the full path chosen, or an
// empty text when the user cancelled. `folder` is where it starts (empty: the dialog's own
// choice); owner may be null. Tests answer from a script instead.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // An existing file.
    virtual std::string ChooseFileToOpen(QWidget* owner, const std::string& filter,
                                         const std::string& defaultExtension,
                                         const std::string& folder) = 0;
    // A new or an existing file; the caller asks its own questions before it writes.
    virtual std::string ChooseFileToSave(QWidget* owner, const std::string& filter,
                                         const std::string& defaultExtension,
                                         const std::string& folder) = 0;
};
