#pragma once

#include "platform/Messages.h"

// Message boxes shown with QMessageBox, application-modal when there is no owner.
class QtMessages : public Messages {
  public:
    MessageAnswer Show(QWidget* owner, const QString& text, const QString& caption,
                       MessageIcon icon, MessageButtons buttons) override;
};
