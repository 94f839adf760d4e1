#pragma once

#include <QWidget>

class CopyMenu;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class ServiceApp;

// A window of its own, beside the main window, that shows a read-only text. The text can be
// selected with the mouse and copied only through the right-click menu. Closing it hides it; the
// page that owns it destroys it.
class TextViewer : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTextBox = 1002;
    static constexpr int kHeading = 1146;
    static constexpr int kCloseButton = 2;
    static constexpr int kMinWidth = 300;
    static constexpr int kMinHeight = 200;

    explicit TextViewer(ServiceApp& app);

    // Replaces the text; "\r\n" line ends are taken as one.
    void SetText(const QString& text);
    QString Text() const;
    CopyMenu* copyMenu() const { return copyMenu_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Arrange();

    QPlainTextEdit* textBox_;
    QLabel* heading_;
    QPushButton* close_;
    CopyMenu* copyMenu_;
};
