#include "app/PageList.h"

#include <array>

#include "custompaper/pages/CustomFilePage.h"
#include "custompaper/pages/CustomPaperCallPage.h"
#include "custompaper/pages/CustomPaperRegistrationPage.h"
#include "firmware/FirmwareUpdatePage.h"
#include "maintenance/AutomaticAdjustmentPage.h"
#include "maintenance/ManualAlignmentPage.h"
#include "maintenance/NozzleCleaningPage.h"
#include "status/PrinterStatusPage.h"

std::span<const PageEntry> OperationPages() {
    static const std::array<PageEntry, 9> kPages = {{
        {AutomaticAdjustmentPage::kPageNumber, MakePage<AutomaticAdjustmentPage>, true},
        {NozzleCleaningPage::kPageNumber, MakePage<NozzleCleaningPage>, false},
        {CustomPaperRegistrationPage::kPageNumber, MakePage<CustomPaperRegistrationPage>, true},
        {CustomPaperCallPage::kPageNumber, MakePage<CustomPaperCallPage>, false},
        {CustomFilePage::kPageNumber, MakePage<CustomFilePage>, true},
        {PrinterStatusPage::kPageNumber, MakePage<PrinterStatusPage>, false},
        {FirmwareUpdatePage::kPageNumber, MakePage<FirmwareUpdatePage>, false},
        {ManualAlignmentPage::kBidirectionalPage, ManualAlignmentPage::MakeBidirectional, true},
        {ManualAlignmentPage::kUnidirectionalPage, ManualAlignmentPage::MakeUnidirectional, true},
    }};
    return kPages;
}
