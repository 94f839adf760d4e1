#pragma once

#include <cstdint>
#include <functional>

class QPushButton;
class QWidget;
class ServiceApp;
class SliderEdit;

// A row of a custom paper tab page that sets a number: its label, the slider and the number box
// beside it (both named by the label), a samples button on rows that have one, and the three
// scale texts under the slider (left, middle, right), whose ids and text ids follow each other.
struct SliderRow {
    int label;
    int slider;
    int edit;
    // 0: the row has no samples button.
    int samplesButton;
    int firstScale;
    // The scale texts follow it.
    int32_t titleText;
    int32_t samplesText;
    int32_t min;
    int32_t max;
    // The slider's top in tab page pixels; the row's other controls stand beside and under it.
    int top;
};

struct SliderRowControls {
    SliderEdit* value;
    // nullptr on a row without one.
    QPushButton* samples;
};

// Makes the row's controls on `tab`, places and dresses them. Every value the box comes to hold
// goes to `store`; the samples button opens `openSamples`.
SliderRowControls AddSliderRow(ServiceApp& app, QWidget* tab, const SliderRow& row,
                               std::function<void(int32_t)> store,
                               std::function<void()> openSamples = {});
