#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"

// File dialogs that answer the next scripted path (empty: cancelled) and keep what they were
// asked for; with the script empty they answer as if cancelled.
class ScriptedFileDialogs : public FileDialogs {
  public:
    std::string ChooseFileToOpen(QWidget*, const FileDialogRequest& request) override {
        return Answer(request);
    }
    std::string ChooseFileToSave(QWidget*, const FileDialogRequest& request) override {
        return Answer(request);
    }

    std::deque<std::string> answers;
    std::vector<FileDialogRequest> requests;

  private:
    std::string Answer(const FileDialogRequest& request) {
        requests.push_back(request);
        if (answers.empty()) return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
