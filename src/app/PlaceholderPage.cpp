#include "app/PlaceholderPage.h"

#include "pagekit/ServiceApp.h"

namespace {
constexpr int kPageHeight = 393;
}  // namespace

PlaceholderPage::PlaceholderPage(ServiceApp& app, int pageNumber, QWidget* parent)
    : Page(app, pageNumber, kPageHeight, parent) {
    setAccessibleName(app.LoadText(10000 * pageNumber));
}
