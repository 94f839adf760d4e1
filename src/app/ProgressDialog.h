#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;
class ServiceApp;

// The modeless progress window of long printer operations: a blinking picture, the message of
// text 10200, an optional Cancel button and a time limit measured on the application's clock.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    enum State { Running = 0, Cancelled = 1, TimeLimitReached = 2 };

    explicit ProgressDialog(ServiceApp& app);
    ~ProgressDialog() override;

    // owner null = the application's main window (or no owner when there is none).
    bool Show(const QString& title, int timeLimitMs, bool showCancel, QWidget* owner);
    // Handles pending window events, then reports the state.
    int Poll();
    void Close();
};
