#include "app/VersionBox.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "pagekit/ServiceApp.h"

namespace {
constexpr int kSplashPicture = 146;
constexpr int kVersionPicture = 173;
}  // namespace

VersionBox::VersionBox(ServiceApp& app, Mode mode, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    if (mode == Mode::Splash) {
        picture_ = app.LoadBitmap(kSplashPicture);
        lines_.push_back({app.LoadText(99), app.GetTextFont(99), QRect(10, 180, 465, 20)});
    } else {
        picture_ = app.LoadBitmap(kVersionPicture);
        lines_.push_back({app.LoadText(200) + QLatin1Char(' ') + VersionText(),
                          app.GetTextFont(200), QRect(10, 200, 465, 20)});
        lines_.push_back({app.LoadText(201), app.GetTextFont(201), QRect(10, 220, 465, 20)});
        setWindowModality(Qt::ApplicationModal);
    }
    const QSize size =
        picture_.isNull() ? QSize(480, mode == Mode::Splash ? 200 : 240) : picture_.size();
    setFixedSize(size);
    setAccessibleName(lines_.front().text);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

QString VersionBox::VersionText() {
    return QStringLiteral("%1.%2%3")
        .arg(SERVATO_VERSION_MAJOR)
        .arg(SERVATO_VERSION_MINOR)
        .arg(SERVATO_VERSION_PATCH);
}

void VersionBox::RunModal() {
    show();
    raise();
    while (isVisible()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void VersionBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
    for (const Line& line : lines_) {
        painter.setFont(line.font);
        painter.drawText(line.rect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                         line.text);
    }
}

void VersionBox::mousePressEvent(QMouseEvent*) {
    close();
}
