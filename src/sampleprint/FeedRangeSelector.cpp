#include "sampleprint/FeedRangeSelector.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

FeedRangeSelector::FeedRangeSelector(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), lower_(minimum), upper_(maximum) {
    setFocusPolicy(Qt::NoFocus);
}

void FeedRangeSelector::SetLower(int value) {
    const int clamped = std::min(std::clamp(value, minimum_, maximum_), upper_);
    if (clamped == lower_) return;
    lower_ = clamped;
    update();
    emit lowerChanged(lower_);
}

void FeedRangeSelector::SetUpper(int value) {
    const int clamped = std::max(std::clamp(value, minimum_, maximum_), lower_);
    if (clamped == upper_) return;
    upper_ = clamped;
    update();
    emit upperChanged(upper_);
}

int FeedRangeSelector::ThumbLeft(int value) const {
    return (width() - kThumbWidth) * (value - minimum_) / (maximum_ - minimum_);
}

int FeedRangeSelector::ValueAt(int thumbLeft) const {
    const int travel = std::max(1, width() - kThumbWidth);
    const double value = minimum_ + static_cast<double>(thumbLeft) * (maximum_ - minimum_) / travel;
    return std::clamp(static_cast<int>(std::lround(value)), minimum_, maximum_);
}

void FeedRangeSelector::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const int middle = height() / 2;
    painter.fillRect(QRect(kThumbWidth / 2, middle - 2, width() - kThumbWidth, 4),
                     colours.color(QPalette::Mid));
    const int from = ThumbLeft(lower_) + kThumbWidth / 2;
    const int to = ThumbLeft(upper_) + kThumbWidth / 2;
    painter.fillRect(QRect(from, middle - 2, to - from, 4), colours.color(QPalette::Highlight));
    for (const int value : {lower_, upper_}) {
        const QRect thumb(ThumbLeft(value), 2, kThumbWidth, height() - 4);
        painter.fillRect(thumb, colours.color(QPalette::Button));
        painter.setPen(colours.color(QPalette::Dark));
        painter.drawRect(thumb.adjusted(0, 0, -1, -1));
    }
}

void FeedRangeSelector::mousePressEvent(QMouseEvent* event) {
    const int x = static_cast<int>(event->position().x());
    auto on = [x, this](int value) {
        return x >= ThumbLeft(value) && x < ThumbLeft(value) + kThumbWidth;
    };
    if (on(lower_)) {
        grabbed_ = Thumb::Lower;
        grabOffset_ = x - ThumbLeft(lower_);
    } else if (on(upper_)) {
        grabbed_ = Thumb::Upper;
        grabOffset_ = x - ThumbLeft(upper_);
    }
    if (isDragging()) grabMouse();
}

void FeedRangeSelector::mouseMoveEvent(QMouseEvent* event) {
    if (isDragging()) DragTo(static_cast<int>(event->position().x()));
}

void FeedRangeSelector::mouseReleaseEvent(QMouseEvent* event) {
    if (!isDragging()) return;
    DragTo(static_cast<int>(event->position().x()));
    grabbed_ = Thumb::None;
    releaseMouse();
}

void FeedRangeSelector::DragTo(int x) {
    const int value = ValueAt(x - grabOffset_);
    if (grabbed_ == Thumb::Lower) {
        SetLower(value);
    } else {
        SetUpper(value);
    }
}
