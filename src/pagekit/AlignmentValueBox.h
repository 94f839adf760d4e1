#pragma once

#include <QLineEdit>

// The value box of the manual alignment grids: accepts 1 to 9 while the user types and returns
// to the last accepted value when left empty.
class AlignmentValueBox : public QLineEdit {
    Q_OBJECT
  public:
    static constexpr int kMin = 1;
    static constexpr int kMax = 9;

    explicit AlignmentValueBox(QWidget* parent = nullptr);

    // The number the text reads as (0 for an empty text).
    int Value() const { return text().toInt(); }
    void SetValue(int value);
    int LastAccepted() const { return lastAccepted_; }

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void Normalize(const QString& text);

    int lastAccepted_ = kMin;
};
