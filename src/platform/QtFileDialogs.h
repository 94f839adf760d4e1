#pragma once

#include <QString>
#include <string_view>

#include "platform/FileDialogs.h"

// Qt's file dialogs. Patterns match in either letter case, as the files come from systems that
// ignore it.
class QtFileDialogs : public FileDialogs {
  public:
    std::string ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) override;
    std::string ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) override;
};

// "Name(*.X)|*.X|Other|*.Y;*.Z||" as Qt's filter list "Name (*.X *.x);;Other (*.Y *.y *.Z *.z)".
QString QtFileFilter(std::string_view filter);
