#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;
class ServiceApp;

// The right-click menu of a read-only text box (QPlainTextEdit, QTextEdit or QLineEdit): one item,
// text 60251, that copies the box's selection to the clipboard. Owned by the box.
class CopyMenu : public QObject {
    Q_OBJECT
  public:
    CopyMenu(QWidget* box, ServiceApp& app);

    QMenu* menu() const { return menu_; }
    QAction* copyAction() const { return copy_; }
    void CopySelection();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString SelectedText() const;

    QPointer<QWidget> box_;
    QMenu* menu_;
    QAction* copy_;
};
