#pragma once

#include <QString>
#include <Qt>
#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "custompaper/CustomPaperChoices.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QWidget;

// Controls the custom paper pages and their tab pages are made of. Lists, sliders and boxes are
// named by the text of their label; each control carries its id for dressing.

QLabel* AddLabel(QWidget* parent, int id, Qt::Alignment alignment = Qt::AlignLeft);
// The scale texts under a slider: left, middle, right.
void AddScale(QWidget* parent, const std::array<int, 3>& ids);
QSlider* AddSlider(ServiceApp& app, QWidget* parent, int id, int32_t labelText);
// A button that takes its text, and so its name, from the dressing tables.
QPushButton* AddButton(QWidget* parent, int id);

template <typename Control>
Control* AddNamed(ServiceApp& app, QWidget* parent, int id, int32_t labelText) {
    auto* control = new Control(parent);
    control->setAccessibleName(app.LoadText(labelText));
    SetControlId(control, id);
    return control;
}

// A list of the choices of an enumerated field; the value of every item chosen goes to `store`.
QComboBox* AddChoiceList(ServiceApp& app, QWidget* parent, int id, int32_t labelText,
                         std::span<const ChoiceText> choices, std::function<void(int32_t)> store);
// Shows a setting's value by its position in the list, a negative one as the first item; a
// value beyond the list leaves no item selected.
void ShowChoiceIndex(QComboBox* combo, int32_t value);

// The suction slider, its position minus the suction level, with a tick text under each of its
// five positions; every level chosen goes to `store`.
QSlider* AddSuctionSlider(ServiceApp& app, QWidget* parent, int32_t labelText,
                          std::function<void(int32_t)> store);

// Ids of the suction slider and its tick texts on both pages.
inline constexpr int kSuctionSlider = 1025;
inline constexpr int kFirstSuctionTick = 1129;
