#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"

// Answers each dialog with the next scripted path (none left: cancelled) and keeps the requests.
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
        std::string answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};
