#include "platform/PrintSetup.h"

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include <charconv>
#include <memory>

#include "ztset/SettingsRecord.h"

// The PPD interface is the one that knows a queue's named and custom paper sizes; CUPS marks it
// deprecated in favour of driverless printing.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace {

constexpr int kLowestDpi = 36;
constexpr int kHighestDpi = 5760;

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};

// Width and height in points of the PageSize choice, named or "Custom.WxH<unit>".
std::optional<std::pair<double, double>> PageSizeOf(const std::string& printerName,
                                                    const std::string& pageSize) {
    const char* fetched = cupsGetPPD2(CUPS_HTTP_DEFAULT, printerName.c_str());
    if (fetched == nullptr) return std::nullopt;
    const std::string path = fetched;
    std::unique_ptr<ppd_file_t, PpdCloser> ppd(ppdOpenFile(path.c_str()));
    unlink(path.c_str());
    if (!ppd) return std::nullopt;
    const ppd_size_t* size = ppdPageSize(ppd.get(), pageSize.c_str());
    if (size == nullptr || size->width <= 0 || size->length <= 0) return std::nullopt;
    return std::make_pair(static_cast<double>(size->width), static_cast<double>(size->length));
}

struct Resolution {
    int x;
    int y;
};

std::optional<int> Dpi(std::string_view digits) {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    if (value < kLowestDpi || value > kHighestDpi) return std::nullopt;
    return value;
}

// "720dpi" is 720 x 720, "720x1440dpi" 720 across and 1440 down.
std::optional<Resolution> ParseResolution(std::string_view choice) {
    if (!choice.ends_with("dpi")) return std::nullopt;
    choice.remove_suffix(3);
    const size_t cross = choice.find('x');
    const auto x = Dpi(choice.substr(0, cross));
    const auto y = cross == std::string_view::npos ? x : Dpi(choice.substr(cross + 1));
    if (!x || !y) return std::nullopt;
    return Resolution{*x, *y};
}

}  // namespace

std::optional<PrintSetup> ReadPrintSetup(const std::string& printerName,
                                         std::span<const uint8_t> record) {
    const auto settings = SettingsRecord::Decode(record);
    if (!settings || settings->QueueName() != printerName) return std::nullopt;
    const auto pageSize = settings->Find("PageSize");
    const auto resolutionChoice = settings->Find("Resolution");
    if (!pageSize || !resolutionChoice) return std::nullopt;
    const auto resolution = ParseResolution(*resolutionChoice);
    if (!resolution) return std::nullopt;
    const auto size = PageSizeOf(printerName, *pageSize);
    if (!size) return std::nullopt;
    return PrintSetup{size->first, size->second, resolution->x, resolution->y, settings->Options()};
}
