#include "custompaper/pages/TabPage.h"

#include <QTabWidget>

#include "pagekit/ServiceApp.h"

QWidget* AddTabPage(ServiceApp& app, QTabWidget* tabs, int32_t captionText) {
    auto* tab = new QWidget(tabs);
    tab->setAccessibleName(app.LoadText(captionText));
    tabs->addTab(tab, app.LoadText(captionText));
    return tab;
}

void DressTabPage(ServiceApp& app, QWidget* tab, std::span<const ControlRect> rects,
                  std::span<const ControlText> texts) {
    app.PlaceControls(tab, rects);
    app.ApplyFonts(tab, texts);
    app.ApplyTexts(tab, texts);
}
