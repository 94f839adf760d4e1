#include "custompaper/pages/SliderEdit.h"

#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include "pagekit/NumberText.h"

SliderEdit::SliderEdit(QSlider* slider, QLineEdit* edit, int32_t min, int32_t max,
                       std::function<void(int32_t)> store)
    : QObject(edit), slider_(slider), edit_(edit), min_(min), max_(max), store_(std::move(store)) {
    slider_->setRange(min, max);
    slider_->setValue(0);
    edit_->setText(QStringLiteral("0"));
    edit_->installEventFilter(this);
    connect(slider_, &QSlider::valueChanged, this, [this](int position) {
        if (edit_->text() != QString::number(position)) edit_->setText(QString::number(position));
    });
    connect(edit_, &QLineEdit::textChanged, this, [this] { EditChanged(); });
}

void SliderEdit::SetValue(int32_t value) {
    edit_->setText(QString::number(value));
}

std::optional<int32_t> SliderEdit::Value() const {
    bool number = false;
    const int32_t value = edit_->text().toInt(&number);
    if (!number) return std::nullopt;
    return value;
}

bool SliderEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::FocusOut) {
        if (!Value()) edit_->setText(QStringLiteral("0"));
    }
    return QObject::eventFilter(watched, event);
}

void SliderEdit::EditChanged() {
    const QString typed = edit_->text();
    const QString text =
        QString::fromStdString(NormalizeNumberText(typed.toStdString(), min_, max_, true));
    if (text != typed) {
        const QSignalBlocker quiet(edit_);
        edit_->setText(text);
        edit_->setCursorPosition(static_cast<int>(text.size()));
    }
    bool number = false;
    const int32_t value = text.toInt(&number);
    const QSignalBlocker quiet(slider_);
    // A lone "-" is on its way to a number and counts as empty.
    slider_->setValue(number ? value : 0);
    if (number) store_(value);
}
