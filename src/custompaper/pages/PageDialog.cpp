#include "custompaper/pages/PageDialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "custompaper/CustomPaperSlotTable.h"
#include "custompaper/pages/CustomPaperControls.h"
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

void PageDialog::AddNameBox(int id, int32_t labelText, int maxLength) {
    name_ = AddNamed<QLineEdit>(app_, this, id, labelText);
    name_->setMaxLength(maxLength);
}

bool PageDialog::HasName() const {
    return !WithoutTrailingSpaces(name_->text().toStdString()).empty();
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
