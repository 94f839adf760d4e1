#pragma once

#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "platform/Messages.h"

// One message box that would have been shown.
struct RecordedMessage {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    QWidget* owner = nullptr;  // compared only, never dereferenced
};

// Records every message box instead of showing it and answers from a scripted queue; with the
// queue empty it answers the affirmative button (OK, or Yes for a Yes/No question).
class RecordingMessages : public Messages {
  public:
    MessageAnswer Show(QWidget* owner, const QString& text, const QString& caption,
                       MessageIcon icon, MessageButtons buttons) override;

    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    // Called with each message as it is shown, e.g. to act while a real box would block.
    void OnShow(std::function<void(const RecordedMessage&)> callback) {
        onShow_ = std::move(callback);
    }

    const std::vector<RecordedMessage>& messages() const { return messages_; }
    std::vector<QString> texts() const;
    void Clear() { messages_.clear(); }

  private:
    std::vector<RecordedMessage> messages_;
    std::deque<MessageAnswer> answers_;
    std::function<void(const RecordedMessage&)> onShow_;
};
