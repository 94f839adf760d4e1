#pragma once

#include <functional>

class Page;
class QWidget;
class ServiceApp;

// One operation page of the main window: its number (1...9), how it is made (a child of parent;
// null when it cannot be), and whether the "page" menu item lets the driver edit the printer's
// settings while it is shown.
struct PageEntry {
    using Factory = std::function<Page*(ServiceApp& app, QWidget* parent)>;

    int number;
    Factory create;
    bool usesPrinterSettings;
};

template <typename PageType>
Page* MakePage(ServiceApp& app, QWidget* parent) {
    return new PageType(app, parent);
}
