#include "app/PageList.h"

#include <array>

#include "app/PlaceholderPage.h"
#include "custompaper/pages/CustomPaperCallPage.h"
#include "firmware/FirmwareUpdatePage.h"
#include "maintenance/AutomaticAdjustmentPage.h"
#include "maintenance/ManualAlignmentPage.h"
#include "maintenance/NozzleCleaningPage.h"
#include "status/PrinterStatusPage.h"

namespace {

template <int PageNumber>
Page* MakePlaceholder(ServiceApp& app, QWidget* parent) {
    return new PlaceholderPage(app, PageNumber, parent);
}

}  // namespace

std::span<const PageEntry> OperationPages() {
    static const std::array<PageEntry, 9> kPages = {{
        {AutomaticAdjustmentPage::kPageNumber, MakePage<AutomaticAdjustmentPage>, true},
        {NozzleCleaningPage::kPageNumber, MakePage<NozzleCleaningPage>, false},
        {3, MakePlaceholder<3>, true},
        {CustomPaperCallPage::kPageNumber, MakePage<CustomPaperCallPage>, false},
        {5, MakePlaceholder<5>, true},
        {PrinterStatusPage::kPageNumber, MakePage<PrinterStatusPage>, false},
        {FirmwareUpdatePage::kPageNumber, MakePage<FirmwareUpdatePage>, false},
        {ManualAlignmentPage::kBidirectionalPage, ManualAlignmentPage::MakeBidirectional, true},
        {ManualAlignmentPage::kUnidirectionalPage, ManualAlignmentPage::MakeUnidirectional, true},
    }};
    return kPages;
}
