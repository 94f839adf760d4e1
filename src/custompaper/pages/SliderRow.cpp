#include "custompaper/pages/SliderRow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <array>
#include <span>

#include "custompaper/pages/CustomPaperControls.h"
#include "custompaper/pages/SliderEdit.h"
#include "custompaper/pages/TabPage.h"

SliderRowControls AddSliderRow(ServiceApp& app, QWidget* tab, const SliderRow& row,
                               std::function<void(int32_t)> store,
                               std::function<void()> openSamples) {
    AddLabel(tab, row.label);
    QSlider* slider = AddSlider(app, tab, row.slider, row.titleText);
    auto* edit = AddNamed<QLineEdit>(app, tab, row.edit, row.titleText);
    SliderRowControls made{new SliderEdit(slider, edit, row.min, row.max, std::move(store)),
                           nullptr};
    if (row.samplesButton != 0) {
        made.samples = AddButton(tab, row.samplesButton);
        QObject::connect(made.samples, &QPushButton::clicked, made.samples, std::move(openSamples));
    }
    const std::array<int, 3> scale = {row.firstScale, row.firstScale + 1, row.firstScale + 2};
    AddScale(tab, scale);

    const int top = row.top;
    // The samples button comes last, so that a row without one dresses one entry less.
    const std::array<ControlRect, 7> rects = {{
        {row.label, 10, top + 4, 150, top + 22},
        {row.slider, 155, top, 395, top + 24},
        {row.edit, 400, top + 2, 445, top + 22},
        {scale[0], 155, top + 26, 235, top + 42},
        {scale[1], 235, top + 26, 315, top + 42},
        {scale[2], 315, top + 26, 395, top + 42},
        {row.samplesButton, 455, top - 2, 550, top + 26},
    }};
    const std::array<ControlText, 7> texts = {{
        {row.label, row.titleText},
        {row.slider, -1},
        {row.edit, -1},
        {scale[0], row.titleText + 1},
        {scale[1], row.titleText + 2},
        {scale[2], row.titleText + 3},
        {row.samplesButton, row.samplesText},
    }};
    const size_t count = made.samples != nullptr ? rects.size() : rects.size() - 1;
    DressTabPage(app, tab, std::span(rects).first(count), std::span(texts).first(count));
    return made;
}
