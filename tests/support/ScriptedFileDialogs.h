#pragma once

#include <deque>
#include <string>

#include "platform/FileDialogs.h"

// File dialogs that answer from a script: each dialog takes the next queued path (an empty one
// answers as cancelled), and one with nothing queued is cancelled.
class ScriptedFileDialogs : public FileDialogs {
  public:
    void QueueAnswer(std::string path) { answers_.push_back(std::move(path)); }
    // The folder the last dialog started in.
    const std::string& lastFolder() const { return lastFolder_; }

    std::string ChooseFileToOpen(QWidget*, const std::string&, const std::string&,
                                 const std::string& folder) override {
        return Answer(folder);
    }
    std::string ChooseFileToSave(QWidget*, const std::string&, const std::string&,
                                 const std::string& folder) override {
        return Answer(folder);
    }

  private:
    std::string Answer(const std::string& folder) {
        lastFolder_ = folder;
        if (answers_.empty()) return {};
        std::string path = std::move(answers_.front());
        answers_.pop_front();
        return path;
    }

    std::deque<std::string> answers_;
    std::string lastFolder_;
};
