#include "pagekit/InkImageStrip.h"

#include <QPainter>

bool InkImageStrip::Load(const QPixmap& strip) {
    if (strip.isNull() || strip.width() % kImageCount != 0) return false;
    const int width = strip.width() / kImageCount;
    for (int i = 0; i < kImageCount; ++i) {
        images_[static_cast<size_t>(i)] = strip.copy(i * width, 0, width, strip.height());
    }
    return true;
}

void InkImageStrip::Draw(QPainter& painter, const QPoint& at, int index) const {
    if (slotCount_ < 4) return;
    if (slotCount_ == 4 && index >= 4) index += 4;
    if (index < 0 || index >= kImageCount) return;
    painter.drawPixmap(at, images_[static_cast<size_t>(index)]);
}
