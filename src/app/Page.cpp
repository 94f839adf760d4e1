#include "app/Page.h"

#include "app/ServiceApp.h"

Page::Page(ServiceApp& app, int pageNumber, QWidget* parent)
    : QWidget(parent), app_(app), pageNumber_(pageNumber) {}

void Page::OpenHelp() {
    app_.OpenManual(pageNumber_, 0);
}
