#pragma once

#include <QPixmap>
#include <array>
#include <cstdint>

class QPainter;
class QPoint;

// The column pictures of the manual alignment pages: one picture cut into twelve of equal width,
// and the number of ink slots of the selected printer, which decides the columns drawn.
class InkImageStrip {
  public:
    static constexpr int kImageCount = 12;

    // False when the picture is missing or cannot be cut into twelve.
    bool Load(const QPixmap& strip);
    // 0 until detected, then 4 or 8.
    int32_t SlotCount() const { return slotCount_; }
    void SetSlotCount(int32_t count) { slotCount_ = count; }
    // Nothing while fewer than four slots are known; with four, images 4 and up stand four further
    // on (columns 5 to 8 of the eight-slot set).
    void Draw(QPainter& painter, const QPoint& at, int index) const;

  private:
    std::array<QPixmap, kImageCount> images_;
    int32_t slotCount_ = 0;
};
