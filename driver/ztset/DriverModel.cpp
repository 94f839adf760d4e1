#include "DriverModel.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr double kTenthMmPerPoint = 254.0 / 72.0;
constexpr const char* kCustomPrefix = "Custom.";
constexpr const char* kMediaPrefix = "Media";

int32_t ToTenthMm(double points) {
    return static_cast<int32_t>(std::lround(points * kTenthMmPerPoint));
}

}  // namespace

std::optional<DriverModel> DriverModel::Open(const std::string& ppdPath) {
    ppd_file_t* ppd = ppdOpenFile(ppdPath.c_str());
    if (ppd == nullptr) return std::nullopt;
    return DriverModel(ppd);
}

std::vector<DriverModel::Option> DriverModel::MarkedChoices(
    const std::vector<Option>& queueOptions) {
    ppdMarkDefaults(ppd_.get());
    std::vector<cups_option_t> options;
    for (const auto& [name, value] : queueOptions)
        options.push_back({const_cast<char*>(name.c_str()), const_cast<char*>(value.c_str())});
    cupsMarkOptions(ppd_.get(), static_cast<int>(options.size()), options.data());

    std::vector<Option> marked;
    for (ppd_option_t* option = ppdFirstOption(ppd_.get()); option != nullptr;
         option = ppdNextOption(ppd_.get())) {
        // The page region follows the page size whenever a job is printed.
        if (std::strcmp(option->keyword, "PageRegion") == 0) continue;
        const ppd_choice_t* choice = ppdFindMarkedChoice(ppd_.get(), option->keyword);
        if (choice == nullptr) continue;
        std::string value = choice->choice;
        if (std::strcmp(option->keyword, "PageSize") == 0 && value == "Custom") {
            // Marking keeps only "Custom"; the size itself is in the queue's option.
            for (const auto& [name, given] : queueOptions)
                if ((name == "PageSize" || name == "media") && given.starts_with(kCustomPrefix))
                    value = given;
            if (!IsChoice("PageSize", value)) continue;
        }
        marked.emplace_back(option->keyword, value);
    }
    return marked;
}

bool DriverModel::IsChoice(const std::string& option, const std::string& choice) {
    if (option == "PageSize" && choice.starts_with(kCustomPrefix))
        return PaperSize(choice).has_value();
    ppd_option_t* found = ppdFindOption(ppd_.get(), option.c_str());
    return found != nullptr && ppdFindChoice(found, choice.c_str()) != nullptr;
}

std::vector<MediaChoice> DriverModel::Media() const {
    std::vector<MediaChoice> media;
    ppd_option_t* option = ppdFindOption(ppd_.get(), "MediaType");
    if (option == nullptr) return media;
    for (int i = 0; i < option->num_choices; ++i) {
        const ppd_choice_t& choice = option->choices[i];
        const char* keyword = choice.choice;
        if (std::strncmp(keyword, kMediaPrefix, std::strlen(kMediaPrefix)) != 0) continue;
        const char* digits = keyword + std::strlen(kMediaPrefix);
        const char* end = digits + std::strlen(digits);
        uint16_t id = 0;
        const auto [rest, error] = std::from_chars(digits, end, id);
        if (error != std::errc() || rest != end || digits == end) continue;
        media.push_back({id, choice.text});
    }
    return media;
}

int DriverModel::InkSlots() const {
    const ppd_attr_t* attribute = ppdFindAttr(ppd_.get(), "ZTInkSlots", nullptr);
    if (attribute == nullptr || attribute->value == nullptr) return 0;
    int slots = 0;
    const char* end = attribute->value + std::strlen(attribute->value);
    const auto [rest, error] = std::from_chars(attribute->value, end, slots);
    return error == std::errc() && rest == end ? slots : 0;
}

std::optional<PaperDimensions> DriverModel::PaperSize(const std::string& pageSize) {
    const ppd_size_t* size = ppdPageSize(ppd_.get(), pageSize.c_str());
    if (size == nullptr || size->width <= 0 || size->length <= 0) return std::nullopt;
    if (pageSize.starts_with(kCustomPrefix)) {
        ppd_size_t minimum{}, maximum{};
        if (!ppdPageSizeLimits(ppd_.get(), &minimum, &maximum)) return std::nullopt;
        // Sizes given in millimetres land a rounding error away from the limits in points.
        constexpr float kSlack = 0.5f;
        if (size->width < minimum.width - kSlack || size->width > maximum.width + kSlack ||
            size->length < minimum.length - kSlack || size->length > maximum.length + kSlack)
            return std::nullopt;
    }
    return PaperDimensions{ToTenthMm(size->width), ToTenthMm(size->length)};
}

std::string DriverModel::PageSizeFor(PaperDimensions wanted) {
    if (wanted.width <= 0 || wanted.length <= 0) return {};
    for (int i = 0; i < ppd_->num_sizes; ++i) {
        const ppd_size_t& size = ppd_->sizes[i];
        if (std::strcmp(size.name, "Custom") == 0) continue;
        if (ToTenthMm(size.width) == wanted.width && ToTenthMm(size.length) == wanted.length)
            return size.name;
    }
    char custom[64];
    std::snprintf(custom, sizeof custom, "%s%d.%dx%d.%dmm", kCustomPrefix, wanted.width / 10,
                  wanted.width % 10, wanted.length / 10, wanted.length % 10);
    return PaperSize(custom) ? std::string(custom) : std::string();
}

std::vector<std::string> DriverModel::Choices(const std::string& option) const {
    std::vector<std::string> choices;
    ppd_option_t* found = ppdFindOption(ppd_.get(), option.c_str());
    if (found == nullptr) return choices;
    for (int i = 0; i < found->num_choices; ++i) choices.emplace_back(found->choices[i].choice);
    return choices;
}
