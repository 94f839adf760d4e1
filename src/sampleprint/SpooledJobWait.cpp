#include "sampleprint/SpooledJobWait.h"

#include <algorithm>
#include <vector>

#include "comm/WaitProgress.h"
#include "platform/Clock.h"
#include "platform/Spooler.h"

namespace {

constexpr int64_t kEmptyQueueLimitMs = 60000;
constexpr int64_t kLongestWaitMs = 120000;
constexpr int kLookEveryMs = 500;

}  // namespace

int32_t WaitForSpooledJob(Spooler& spooler, Clock& clock, WaitProgress& progress,
                          const std::string& printerName, const std::string& jobName) {
    const int64_t start = clock.NowMs();
    int64_t emptySince = start;
    bool wasEmpty = true;
    std::vector<std::string> titles;
    for (;;) {
        const int count = spooler.ActiveJobTitles(printerName, titles);
        if (count < 0) return 0;
        if (std::find(titles.begin(), titles.end(), jobName) != titles.end()) return 1;
        const int64_t now = clock.NowMs();
        if (count > 0) {
            wasEmpty = false;
        } else if (!wasEmpty) {
            emptySince = now;
            wasEmpty = true;
        }
        if (wasEmpty && now - emptySince > kEmptyQueueLimitMs) return 0;
        if (now - start > kLongestWaitMs) return 0;
        if (PollAndIdle(progress, clock, kLookEveryMs) != WaitProgress::Running) return 0;
    }
}
