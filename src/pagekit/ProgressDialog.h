#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>

#include "comm/WaitProgress.h"

class QLabel;
class QPushButton;
class ServiceApp;

// The modeless progress window of long printer operations: a blinking picture, the message of
// text 10200, an optional Cancel button and a time limit measured on the application's clock.
// The window stays alive through Poll, which pumps events; there is no thread and no timer, so
// on a virtual clock a limit of hours passes in no real time. Ending the object closes the window.
class ProgressDialog : public QDialog, public WaitProgress {
    Q_OBJECT
  public:
    static constexpr int kBlinkMs = 1000;

    explicit ProgressDialog(ServiceApp& app);
    ~ProgressDialog() override;

    // owner null = the application's main window (or no owner when there is none).
    bool Show(const QString& title, int timeLimitMs, bool showCancel, QWidget* owner);
    // Handles pending window events, then reports the state.
    int Poll() override;
    void Close();

    int state() const { return state_; }
    int blinkFrame() const { return blinkFrame_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    void reject() override;  // Escape and the window manager's close act as Cancel, if offered

  private:
    void CancelPressed();
    void UpdateFromClock();
    void ShowFrame();
    void ReleaseOwner();

    ServiceApp& app_;
    QLabel* picture_;
    QLabel* message_;
    QPushButton* cancel_;
    std::array<QPixmap, 2> frames_;
    QPointer<QWidget> owner_;
    bool ownerDisabled_ = false;
    int state_ = Running;
    int blinkFrame_ = 0;
    int64_t startMs_ = 0;
    int timeLimitMs_ = 0;
};
