#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Spooler.h"

// The spooler's queues and, in spooler order, the served ones that the printer combo offers.
class PrinterList {
  public:
    using ModelFilter = std::function<bool(const std::string& driverName)>;

    // Enumerates the spooler; the choice named `remembered` exactly is preselected, else the first.
    void Build(Spooler& spooler, const ModelFilter& isServed, const std::string& remembered);

    // Names of the served queues, one per combo row.
    std::vector<std::string> ChoiceNames() const;
    int ChoiceCount() const { return static_cast<int>(choices_.size()); }
    // Combo row to preselect; -1 when nothing is offered.
    int Preselected() const { return preselected_; }
    // The queue behind a combo row, or null for a row that does not exist.
    const SpoolerQueue* QueueOfChoice(int row) const;

  private:
    std::vector<SpoolerQueue> queues_;
    std::vector<size_t> choices_;  // positions in queues_
    int preselected_ = -1;
};
