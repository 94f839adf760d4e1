#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class QComboBox;
class QLineEdit;
class ServiceApp;

// The paper thickness box and the platen gap list of the custom paper pages. The list offers the
// platen gaps the thickness allows and is disabled while the box is empty; the first thickness
// typed after an empty box selects platen 3 where the list holds it. Every thickness and platen
// the controls come to show goes to `store`; an empty box stores nothing.
class ThicknessPlatenControls : public QObject {
    Q_OBJECT
  public:
    // Paper thickness in 0.1 mm.
    static constexpr int32_t kMinThickness = 1;
    static constexpr int32_t kMaxThickness = 16;

    // The platen items show the texts firstPlatenText, +1, ... for platens 1, 2, ...
    ThicknessPlatenControls(ServiceApp& app, QLineEdit* thickness, QComboBox* platen,
                            int32_t firstPlatenText,
                            std::function<void(int32_t paperThick, int32_t platen)> store);

    // A setting read from the printer or a file: its thickness, then its platen when the list
    // has it. An empty box before it does not make the list choose platen 3.
    void Load(int32_t paperThick, int32_t platen);
    // A thickness the page proposes, as if typed.
    void SetThickness(int32_t paperThick);
    // Acts on the box as it reads now, as after a change.
    void ThicknessChanged();
    // -1 while the box is empty.
    int32_t Thickness() const;
    // The selected platen, 0 when none is.
    int32_t Platen() const;

  private:
    void Store();

    ServiceApp& app_;
    QLineEdit* thickness_;
    QComboBox* platen_;
    int32_t firstPlatenText_;
    std::function<void(int32_t, int32_t)> store_;
    bool thicknessWasEmptied_ = true;
    bool loading_ = false;
};
