#include "app/PageList.h"

#include <array>

#include "app/PlaceholderPage.h"
#include "firmware/FirmwareUpdatePage.h"
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
        {1, MakePlaceholder<1>, true},
        {NozzleCleaningPage::kPageNumber, MakePage<NozzleCleaningPage>, false},
        {3, MakePlaceholder<3>, true},
        {4, MakePlaceholder<4>, false},
        {5, MakePlaceholder<5>, true},
        {PrinterStatusPage::kPageNumber, MakePage<PrinterStatusPage>, false},
        {FirmwareUpdatePage::kPageNumber, MakePage<FirmwareUpdatePage>, false},
        {8, MakePlaceholder<8>, true},
        {9, MakePlaceholder<9>, true},
    }};
    return kPages;
}
