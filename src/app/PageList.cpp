#include "app/PageList.h"

#include <array>

#include "app/PlaceholderPage.h"
#include "custompaper/pages/CustomFilePage.h"
#include "custompaper/pages/CustomPaperCallPage.h"
#include "custompaper/pages/CustomPaperRegistrationPage.h"
#include "maintenance/AutomaticAdjustmentPage.h"
#include "maintenance/ManualAlignmentPage.h"
#include "maintenance/NozzleCleaningPage.h"

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
        {CustomPaperRegistrationPage::kPageNumber, MakePage<CustomPaperRegistrationPage>, true},
        {CustomPaperCallPage::kPageNumber, MakePage<CustomPaperCallPage>, false},
        {CustomFilePage::kPageNumber, MakePage<CustomFilePage>, true},
        {6, MakePlaceholder<6>, false},
        {7, MakePlaceholder<7>, false},
        {ManualAlignmentPage::kBidirectionalPage, ManualAlignmentPage::MakeBidirectional, true},
        {ManualAlignmentPage::kUnidirectionalPage, ManualAlignmentPage::MakeUnidirectional, true},
    }};
    return kPages;
}
