#pragma once

#include <QString>
#include <string_view>

#include "platform/FileDialogs.h"

// Qt's file dialogs. Matching ignores the letter case of patterns, as the files come from systems
// that do.
class QtFileDialogs : public FileDialogs {
  public:
    std::string ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) override;
    std::string ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) override;
};

// "Name(*.X)|*.X|Other|*.Y;*.Z||" as Qt's filter list "Name(*.X) (*.X *.x);;Other (*.Y *.y *.Z
// *.z)"; a missing last pattern or end mark is tolerated.
QString QtFileFilter(std::string_view filter);
