#include "custompaper/pages/CustomPaperControls.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {
// Suction levels 0..-4.
constexpr int kSuctionSteps = 4;
}  // namespace

QLabel* AddLabel(QWidget* parent, int id, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setAlignment(alignment | Qt::AlignVCenter);
    SetControlId(label, id);
    return label;
}

void AddScale(QWidget* parent, const std::array<int, 3>& ids) {
    AddLabel(parent, ids[0]);
    AddLabel(parent, ids[1], Qt::AlignHCenter);
    AddLabel(parent, ids[2], Qt::AlignRight);
}

QSlider* AddSlider(ServiceApp& app, QWidget* parent, int id, int32_t labelText) {
    auto* slider = AddNamed<QSlider>(app, parent, id, labelText);
    slider->setOrientation(Qt::Horizontal);
    return slider;
}

QPushButton* AddButton(QWidget* parent, int id) {
    auto* button = new QPushButton(parent);
    SetControlId(button, id);
    return button;
}

QComboBox* AddChoiceList(ServiceApp& app, QWidget* parent, int id, int32_t labelText,
                         std::span<const ChoiceText> choices, std::function<void(int32_t)> store) {
    auto* combo = AddNamed<QComboBox>(app, parent, id, labelText);
    for (const ChoiceText& choice : choices)
        combo->addItem(app.LoadText(choice.textId), choice.value);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                     [combo, store = std::move(store)](int index) {
                         if (index >= 0) store(combo->itemData(index).toInt());
                     });
    return combo;
}

void ShowChoiceIndex(QComboBox* combo, int32_t value) {
    const int index = value < 0 ? 0 : value;
    combo->setCurrentIndex(index < combo->count() ? index : -1);
}

QSlider* AddSuctionSlider(ServiceApp& app, QWidget* parent, int32_t labelText,
                          std::function<void(int32_t)> store) {
    QSlider* slider = AddSlider(app, parent, kSuctionSlider, labelText);
    slider->setRange(0, kSuctionSteps);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setPageStep(1);
    QObject::connect(slider, &QSlider::valueChanged, slider,
                     [store = std::move(store)](int position) { store(-position); });
    for (int i = 0; i <= kSuctionSteps; ++i)
        AddLabel(parent, kFirstSuctionTick + i, Qt::AlignHCenter);
    return slider;
}
