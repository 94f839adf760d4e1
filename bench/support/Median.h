#pragma once

#include <vector>

// The middle value (the upper one of an even count); 0 for none.
double Median(std::vector<double> values);
