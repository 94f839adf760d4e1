#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

class QLineEdit;
class QSlider;

// A slider and the number box beside it, kept equal: moving the slider writes its position into
// the box; typing in the box keeps the text to a number of the slider's range and moves the
// slider. Every value the box comes to hold goes to `store` at once. An emptied box moves the
// slider to 0 and stores nothing, and reads "0" again once it loses the focus.
class SliderEdit : public QObject {
    Q_OBJECT
  public:
    SliderEdit(QSlider* slider, QLineEdit* edit, int32_t min, int32_t max,
               std::function<void(int32_t)> store);

    // Shows `value` in both, storing it as typing would.
    void SetValue(int32_t value);
    // The number the box holds; none while it is empty.
    std::optional<int32_t> Value() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void EditChanged();

    QSlider* slider_;
    QLineEdit* edit_;
    int32_t min_;
    int32_t max_;
    std::function<void(int32_t)> store_;
};
