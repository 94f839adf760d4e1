#include "app/PlaceholderPage.h"

#include "app/ServiceApp.h"

namespace {
constexpr int kPageWidth = 600;
constexpr int kPageHeight = 393;
}  // namespace

PlaceholderPage::PlaceholderPage(ServiceApp& app, int pageNumber, QWidget* parent)
    : Page(app, pageNumber, parent) {
    resize(kPageWidth, kPageHeight);
    setAccessibleName(app.LoadText(10000 * pageNumber));
}
