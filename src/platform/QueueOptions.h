#pragma once

#include <string>
#include <vector>

// One option of a queue's driver data file (its PPD): keyword and label, the choices with their
// labels, and the queue's default choice.
struct QueueOption {
    struct Choice {
        std::string keyword;
        std::string label;
    };
    std::string keyword;
    std::string label;
    std::vector<Choice> choices;
    std::string defaultChoice;
};

// The options of the queue's PPD named by the keywords, in the keywords' order; an option the PPD
// lacks is left out. Empty when the queue or its PPD cannot be read.
std::vector<QueueOption> ReadQueueOptions(const std::string& printerName,
                                          const std::vector<std::string>& keywords);
