#pragma once

#include "pagekit/Page.h"

// A page whose operation is not built yet: it has its title and header line in the main window and
// nothing else, so page navigation works across all ten pages.
class PlaceholderPage : public Page {
    Q_OBJECT
  public:
    PlaceholderPage(ServiceApp& app, int pageNumber, QWidget* parent);
};
