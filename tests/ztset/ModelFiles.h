#pragma once

#include <string>
#include <utility>
#include <vector>

// What the model files in the source tree state, read independently of the code under test.

// "*MediaType Media<id>/<name>:" lines of a PPD, in file order.
std::vector<std::pair<int, std::string>> PpdMedia(const std::string& ppdPath);
// The ids of Media.ini whose mediaCode is not -1, in table order, each once.
std::vector<int> OfferedMediaIds();
