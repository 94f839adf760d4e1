#pragma once

#include <cups/ppd.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct MediaChoice {
    uint16_t id = 0;   // from the choice keyword "Media<id>"
    std::string name;  // the choice's translation string
};

// Paper size in 0.1 mm.
struct PaperDimensions {
    int32_t width = 0;
    int32_t length = 0;
};

// The model's driver data file (the queue's PPD) as the settings library reads it.
class DriverModel {
  public:
    using Option = std::pair<std::string, std::string>;

    // None when the file is not a readable PPD.
    static std::optional<DriverModel> Open(const std::string& ppdPath);

    // Every option's choice after the PPD defaults and then the queue's options are applied.
    std::vector<Option> MarkedChoices(const std::vector<Option>& queueOptions);
    // True when the PPD offers the choice; "Custom.WxH<unit>" page sizes within the PPD's limits
    // count as choices of PageSize.
    bool IsChoice(const std::string& option, const std::string& choice);

    std::vector<MediaChoice> Media() const;
    // From the attribute ZTInkSlots; 0 when missing.
    int InkSlots() const;
    std::optional<PaperDimensions> PaperSize(const std::string& pageSize);
    // The PageSize choice for the dimensions: a named size of the PPD or a custom size; empty
    // when the PPD cannot take it.
    std::string PageSizeFor(PaperDimensions size);
    // The choices of an option in PPD order; empty when the PPD lacks the option.
    std::vector<std::string> Choices(const std::string& option) const;

  private:
    struct PpdClose {
        void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
    };
    explicit DriverModel(ppd_file_t* ppd) : ppd_(ppd) {}

    std::unique_ptr<ppd_file_t, PpdClose> ppd_;
};
