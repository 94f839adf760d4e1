#pragma once

#include <QComboBox>
#include <cstdint>

// A drop-down list whose entries can be marked unavailable: the top bit of an entry's 32-bit item
// value is the mark, the lower 31 bits are the page's own value. Marked rows are drawn grey and
// cannot be chosen: confirming one selects again the entry that was selected before.
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

    void showPopup() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void RefuseMarked(int index);

    int remembered_ = -1;
    int rowHeight_ = 0;
};
