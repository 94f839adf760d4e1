#include "custompaper/pages/PageDialog.h"

#include <QPushButton>

#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"

PageDialog::PageDialog(ServiceApp& app, int32_t titleText, QSize size, QWidget* page)
    : QDialog(page), app_(app), ok_(new QPushButton(this)) {
    setWindowTitle(app.LoadText(titleText));
    setAccessibleName(windowTitle());
    setFixedSize(size);
    ok_->setDefault(true);
    SetControlId(ok_, kOk);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(this);
    SetControlId(cancel, kCancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

MessageAnswer PageDialog::Tell(int32_t textId, MessageIcon icon, MessageButtons buttons) {
    return app_.messages().Show(this, app_.LoadText(textId), app_.LoadText(0), icon, buttons);
}

void PageDialog::Dress(std::span<const ControlRect> rects, std::span<const ControlText> texts) {
    app_.PlaceControls(this, rects);
    app_.ApplyFonts(this, texts);
    app_.ApplyTexts(this, texts);
}

void PageDialog::showEvent(QShowEvent* event) {
    if (QWidget* page = parentWidget()) {
        move(page->mapToGlobal(page->rect().center()) - rect().center());
    }
    QDialog::showEvent(event);
}
