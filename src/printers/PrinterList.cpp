#include "printers/PrinterList.h"

void PrinterList::Build(Spooler& spooler, const ModelFilter& isServed,
                        const std::string& remembered) {
    queues_ = spooler.EnumeratePrinters();
    choices_.clear();
    preselected_ = -1;
    for (size_t i = 0; i < queues_.size(); ++i) {
        if (!isServed(queues_[i].driverName)) continue;
        if (preselected_ < 0 && queues_[i].name == remembered) {
            preselected_ = static_cast<int>(choices_.size());
        }
        choices_.push_back(i);
    }
    if (preselected_ < 0 && !choices_.empty()) preselected_ = 0;
}

std::vector<std::string> PrinterList::ChoiceNames() const {
    std::vector<std::string> names;
    names.reserve(choices_.size());
    for (size_t position : choices_) names.push_back(queues_[position].name);
    return names;
}

const SpoolerQueue* PrinterList::QueueOfChoice(int row) const {
    if (row < 0 || row >= ChoiceCount()) return nullptr;
    return &queues_[choices_[static_cast<size_t>(row)]];
}
