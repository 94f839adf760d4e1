#include "pagekit/Page.h"

#include <QPushButton>

#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"

namespace {
constexpr int kPictureSize = 32;
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

void Page::ReviewMessages(std::span<const ReviewedMessage> messages) {
    if (!app_.IsMessageReview()) return;
    for (const ReviewedMessage& message : messages)
        Tell(message.textId, message.icon, message.buttons);
}
