#include "pagekit/Page.h"

#include <QLabel>
#include <QPushButton>

#include "comm/RawJob.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ReadyWait.h"
#include "pagekit/ServiceApp.h"
#include "platform/Clock.h"
#include "platform/WaitCursor.h"

namespace {
constexpr int kPictureSize = 32;
constexpr int32_t kNotReady = 901;
constexpr int kJobSettleMs = 3000;
}  // namespace

Page::Page(ServiceApp& app, int pageNumber, int height, QWidget* parent)
    : QWidget(parent), app_(app), pageNumber_(pageNumber) {
    resize(kWidth, height);
}

void Page::OpenHelp() {
    app_.OpenManual(pageNumber_, 0);
}

MessageAnswer Page::Tell(int32_t textId, MessageIcon icon, MessageButtons buttons) {
    return app_.messages().Show(this, app_.LoadText(textId), app_.LoadText(0), icon, buttons);
}

void Page::Dress(std::span<const ControlRect> rects, std::span<const ControlText> texts) {
    app_.PlaceControls(this, rects);
    app_.ApplyFonts(this, texts);
    app_.ApplyTexts(this, texts);
}

QPushButton* Page::AddPictureButton(int controlId, int bitmap, int32_t titleText,
                                    std::function<void()> pressed) {
    auto* button = new QPushButton(this);
    const QPixmap picture = app_.LoadBitmap(bitmap);
    if (picture.isNull()) created_ = false;
    button->setIcon(picture);
    button->setIconSize(QSize(kPictureSize, kPictureSize));
    button->setAccessibleName(app_.LoadText(titleText));
    SetControlId(button, controlId);
    connect(button, &QPushButton::clicked, this, std::move(pressed));
    return button;
}

QPushButton* Page::AddHelpButton() {
    auto* help = new QPushButton(this);
    SetControlId(help, kHelpButton);
    connect(help, &QPushButton::clicked, this, [this] { OpenHelp(); });
    return help;
}

QLabel* Page::AddDescription(int controlId) {
    auto* description = new QLabel(this);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetControlId(description, controlId);
    return description;
}

bool Page::WaitUntilReadyOrTell(const std::string& printerName) {
    if (app_.IsMessageReview() || WaitUntilReady(app_, printerName, true, nullptr) != 0)
        return true;
    Tell(kNotReady, MessageIcon::Warning);
    return false;
}

void Page::SendJobAndTell(const std::string& printerName, std::span<const uint8_t> job,
                          int32_t sentText) {
    const WaitCursor cursor;
    const int32_t sent = SendRawJob(app_.spooler(), printerName, job);
    app_.clock().SleepMs(kJobSettleMs);
    if (sent == 0) Tell(sentText, MessageIcon::Information);
}

void Page::ReviewMessages(std::span<const ReviewedMessage> messages) {
    if (!app_.IsMessageReview()) return;
    for (const ReviewedMessage& message : messages)
        Tell(message.textId, message.icon, message.buttons);
}
