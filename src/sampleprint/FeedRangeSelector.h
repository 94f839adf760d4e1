#pragma once

#include <QWidget>

// A scale with two thumbs, the lower and the upper limit of a range of whole values. A thumb is
// dragged with the mouse (the lower one wins where they overlap); neither passes the other, and a
// value set beyond the other thumb takes the other thumb's value.
class FeedRangeSelector : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kThumbWidth = 10;

    FeedRangeSelector(int minimum, int maximum, QWidget* parent);

    int lower() const { return lower_; }
    int upper() const { return upper_; }
    bool isDragging() const { return grabbed_ != Thumb::None; }
    void SetLower(int value);
    void SetUpper(int value);
    // The left edge of a value's thumb within the widget.
    int ThumbLeft(int value) const;

  signals:
    void lowerChanged(int value);
    void upperChanged(int value);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    enum class Thumb { None, Lower, Upper };

    int ValueAt(int thumbLeft) const;
    void DragTo(int x);

    int minimum_;
    int maximum_;
    int lower_;
    int upper_;
    Thumb grabbed_ = Thumb::None;
    int grabOffset_ = 0;
};
