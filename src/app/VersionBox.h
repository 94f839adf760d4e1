#pragma once

#include <QPixmap>
#include <QWidget>

class ServiceApp;

// The picture box of the splash screen and of the version box: sized to its picture, centred on
// the screen, closed by a click anywhere in it.
class VersionBox : public QWidget {
    Q_OBJECT
  public:
    enum class Mode { Splash, Version };

    VersionBox(ServiceApp& app, Mode mode, QWidget* parent);

    // The program version as the box shows it: 2.0.0 reads 2.00.
    static QString VersionText();
    // Version mode: shows the box and returns when it is closed.
    void RunModal();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    struct Line {
        QString text;
        QFont font;
        QRect rect;
    };

    QPixmap picture_;
    std::vector<Line> lines_;
};
