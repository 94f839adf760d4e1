#include "pagekit/ProgressDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"
#include "platform/Clock.h"

namespace {

// Rectangles as left, top, right, bottom.
QRect Rect(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

constexpr int kPictureId = 1158;
constexpr int kMessageId = 1159;
constexpr int kCancelId = 2;
constexpr int kProgressBitmap = 170;
constexpr int kFrameSize = 32;
constexpr int32_t kMessageText = 10200;
constexpr int32_t kCancelText = 10250;

}  // namespace

ProgressDialog::ProgressDialog(ServiceApp& app)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      app_(app),
      picture_(new QLabel(this)),
      message_(new QLabel(this)),
      cancel_(new QPushButton(this)) {
    setFixedSize(332, 131);
    setModal(false);
    SetControlId(picture_, kPictureId);
    SetControlId(message_, kMessageId);
    SetControlId(cancel_, kCancelId);

    picture_->setGeometry(Rect(12, 11, 63, 59));
    picture_->setAlignment(Qt::AlignCenter);
    const QPixmap strip = app_.LoadBitmap(kProgressBitmap);
    frames_[0] = strip.copy(0, 0, kFrameSize, kFrameSize);
    frames_[1] = strip.copy(kFrameSize, 0, kFrameSize, kFrameSize);

    message_->setGeometry(Rect(74, 18, 316, 53));
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    message_->setText(app_.LoadText(kMessageText));
    message_->setFont(app_.GetTextFont(kMessageText));
    picture_->setAccessibleName(message_->text());

    cancel_->setGeometry(Rect(122, 75, 210, 96));
    cancel_->setText(app_.LoadText(kCancelText));
    cancel_->setFont(app_.GetTextFont(kCancelText));
    cancel_->setAccessibleName(cancel_->text());
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &ProgressDialog::CancelPressed);
    ShowFrame();
}

ProgressDialog::~ProgressDialog() {
    ReleaseOwner();
}

bool ProgressDialog::Show(const QString& title, int timeLimitMs, bool showCancel, QWidget* owner) {
    ReleaseOwner();
    owner_ = owner != nullptr ? owner : app_.mainWindow();
    setWindowTitle(title);
    cancel_->setVisible(showCancel);
    cancel_->setEnabled(showCancel);

    // Not a child of the owner: the caller owns this object, and a page closed meanwhile must
    // not delete it. The owner's window is only the transient parent that it stays above.
    QWidget* ownerWindow = owner_ ? owner_->window() : nullptr;
    winId();
    if (windowHandle() != nullptr) {
        windowHandle()->setTransientParent(ownerWindow != nullptr ? ownerWindow->windowHandle()
                                                                  : nullptr);
    }
    const QRect over = ownerWindow != nullptr ? ownerWindow->frameGeometry()
                       : screen() != nullptr  ? screen()->availableGeometry()
                                              : QRect(0, 0, width(), height());
    move(over.center() - rect().center());

    if (owner_) {
        ownerDisabled_ = owner_->isEnabled();
        owner_->setEnabled(false);
    }
    state_ = Running;
    blinkFrame_ = 0;
    timeLimitMs_ = timeLimitMs;
    startMs_ = app_.clock().NowMs();
    ShowFrame();
    show();
    raise();
    app_.clock().PumpEventsMs(0);
    return true;
}

int ProgressDialog::Poll() {
    app_.clock().PumpEventsMs(0);
    UpdateFromClock();
    return state_;
}

void ProgressDialog::Close() {
    ReleaseOwner();
    hide();
    app_.clock().PumpEventsMs(0);
}

void ProgressDialog::reject() {
    if (cancel_->isVisible() && cancel_->isEnabled()) CancelPressed();
}

void ProgressDialog::CancelPressed() {
    if (!cancel_->isEnabled()) return;
    if (state_ == Running) state_ = Cancelled;
    hide();
}

void ProgressDialog::UpdateFromClock() {
    const int64_t elapsed = app_.clock().NowMs() - startMs_;
    if (state_ == Running && elapsed >= timeLimitMs_) state_ = TimeLimitReached;
    const int frame = static_cast<int>((elapsed / kBlinkMs) % 2);
    if (frame != blinkFrame_) {
        blinkFrame_ = frame;
        ShowFrame();
    }
}

void ProgressDialog::ShowFrame() {
    picture_->setPixmap(frames_[blinkFrame_]);
}

void ProgressDialog::ReleaseOwner() {
    if (owner_ && ownerDisabled_) owner_->setEnabled(true);
    ownerDisabled_ = false;
}
