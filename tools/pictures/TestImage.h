#pragma once

#include <QImage>

// The standard test image of sample prints, 4060 x 1190 pixels at 1/360 inch each: ink patch
// ramps, smooth gradients, a grey wedge, and fine detail (a star, line pairs, small type) to judge
// a custom paper setting by.
QImage SampleTestImage();
