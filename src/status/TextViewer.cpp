#include "status/TextViewer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "pagekit/ControlDressing.h"
#include "pagekit/CopyMenu.h"
#include "pagekit/ServiceApp.h"

namespace {

constexpr int32_t kCaption = 60200;
constexpr int32_t kHeadingText = 60201;
constexpr int32_t kCloseText = 60250;
// Height of the strip above the text box that holds the heading and the close button.
constexpr int kStripHeight = 28;
constexpr int kInitialWidth = 560;
constexpr int kInitialHeight = 400;

}  // namespace

TextViewer::TextViewer(ServiceApp& app)
    : QWidget(nullptr, Qt::Window),
      textBox_(new QPlainTextEdit(this)),
      heading_(new QLabel(this)),
      close_(new QPushButton(this)) {
    setWindowTitle(app.LoadText(kCaption));
    setWindowIcon(ServiceApp::WindowIcon());
    setMinimumSize(kMinWidth, kMinHeight);

    SetControlId(textBox_, kTextBox);
    textBox_->setReadOnly(true);
    textBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textBox_->setFont(app.GetTextFont(-1));
    textBox_->setAccessibleName(windowTitle());
    textBox_->installEventFilter(this);
    copyMenu_ = new CopyMenu(textBox_, app);

    SetControlId(heading_, kHeading);
    heading_->setText(app.LoadText(kHeadingText));
    heading_->setFont(app.GetTextFont(kHeadingText));
    heading_->setAccessibleName(heading_->text());
    heading_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    SetControlId(close_, kCloseButton);
    close_->setText(app.LoadText(kCloseText));
    close_->setFont(app.GetTextFont(kCloseText));
    close_->setAccessibleName(close_->text());
    connect(close_, &QPushButton::clicked, this, &QWidget::hide);

    resize(kInitialWidth, kInitialHeight);
    Arrange();
}

void TextViewer::SetText(const QString& text) {
    QString lines = text;
    textBox_->setPlainText(lines.replace("\r\n", "\n"));
}

QString TextViewer::Text() const {
    return textBox_->toPlainText();
}

void TextViewer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

void TextViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TextViewer::eventFilter(QObject* watched, QEvent* event) {
    // The text box takes no key at all: nothing typed, nothing copied by the keyboard.
    if (watched == textBox_ && event->type() == QEvent::KeyPress) return true;
    return QWidget::eventFilter(watched, event);
}

void TextViewer::Arrange() {
    const int w = width();
    const int h = height();
    textBox_->setGeometry(0, kStripHeight, w, h - kStripHeight);
    heading_->setGeometry(10, 2, w - 85, 23);
    close_->setGeometry(w - 70, 2, 65, 23);
}
