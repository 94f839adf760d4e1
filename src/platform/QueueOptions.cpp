#include "platform/QueueOptions.h"

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include <memory>

// The PPD interface is the only way to read a queue's driver options with their labels; CUPS
// marks it deprecated in favour of driverless printing.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace {

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};

}  // namespace

std::vector<QueueOption> ReadQueueOptions(const std::string& printerName,
                                          const std::vector<std::string>& keywords) {
    const char* fetched = cupsGetPPD2(CUPS_HTTP_DEFAULT, printerName.c_str());
    if (!fetched) return {};
    const std::string path = fetched;
    std::unique_ptr<ppd_file_t, PpdCloser> ppd(ppdOpenFile(path.c_str()));
    unlink(path.c_str());
    if (!ppd) return {};
    ppdMarkDefaults(ppd.get());

    std::vector<QueueOption> options;
    for (const std::string& keyword : keywords) {
        const ppd_option_t* found = ppdFindOption(ppd.get(), keyword.c_str());
        if (!found) continue;
        QueueOption option{keyword, found->text, {}, found->defchoice};
        for (int i = 0; i < found->num_choices; ++i) {
            option.choices.push_back({found->choices[i].choice, found->choices[i].text});
        }
        options.push_back(std::move(option));
    }
    return options;
}
