#include "RecordingMessages.h"

MessageAnswer RecordingMessages::Show(QWidget* owner, const QString& text, const QString& caption,
                                      MessageIcon icon, MessageButtons buttons) {
    messages_.push_back(RecordedMessage{text, caption, icon, buttons, owner});
    if (onShow_) onShow_(messages_.back());
    if (!answers_.empty()) {
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::vector<QString> RecordingMessages::texts() const {
    std::vector<QString> result;
    for (const RecordedMessage& message : messages_) result.push_back(message.text);
    return result;
}
