#pragma once

#include <QComboBox>
#include <cstdint>

// A drop-down list whose entries can be marked unavailable: the top bit of an entry's 32-bit item
// value is the mark, the lower 31 bits are the page's own value. Marked rows are drawn grey and
// cannot be chosen from the list, the keyboard or the wheel: the selection stays where it was, so
// no change ever carries a marked entry.
class MarkCombo : public QComboBox {
    Q_OBJECT
  public:
    static constexpr uint32_t kMark = 0x80000000u;

    explicit MarkCombo(QWidget* parent = nullptr);

    void AddEntry(const QString& text, uint32_t itemValue);
    uint32_t ItemValue(int index) const;
    // mark is kMark or 0; the lower 31 bits of the value stay.
    void SetMark(int index, uint32_t mark);
    bool IsMarked(int index) const;
    // Height of each row of the open list, in pixels (0 = the style's).
    void SetRowHeight(int pixels);
    int RowHeight() const { return rowHeight_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // A marked row is not enabled in the model, which the list, the keys and the wheel all skip.
    void ApplyMark(int index);

    int rowHeight_ = 0;
};
