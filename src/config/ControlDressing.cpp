#include "config/ControlDressing.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "config/FontCache.h"
#include "config/TextCatalog.h"

namespace {

constexpr const char* kControlIdProperty = "controlId";

bool HasControlId(const QWidget* widget, int id) {
    const QVariant value = widget->property(kControlIdProperty);
    return value.isValid() && value.toInt() == id;
}

QWidget* FindChildControl(QWidget* parent, int id) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        // Dialogs owned by the window keep their own ids.
        if (widget == nullptr || widget->isWindow()) continue;
        if (HasControlId(widget, id)) return widget;
        if (QWidget* found = FindChildControl(widget, id)) return found;
    }
    return nullptr;
}

void SetControlText(QWidget* control, const QString& text) {
    if (control->isWindow()) {
        control->setWindowTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else {
        return;
    }
    control->setAccessibleName(text);
}

}  // namespace

void SetControlId(QWidget* control, int id) {
    control->setProperty(kControlIdProperty, id);
}

QWidget* FindControl(QWidget* window, int id) {
    if (window == nullptr) return nullptr;
    if (HasControlId(window, id)) return window;
    return FindChildControl(window, id);
}

void ApplyTexts(QWidget* window, std::span<const ControlText> table, const TextCatalog& texts) {
    for (const ControlText& entry : table) {
        if (entry.textId == -1) continue;
        QWidget* control = FindControl(window, entry.controlId);
        if (control == nullptr) continue;
        SetControlText(control, QString::fromStdString(texts.LoadText(entry.textId)));
    }
}

void ApplyFonts(QWidget* window, std::span<const ControlText> table, FontCache& fonts) {
    for (const ControlText& entry : table) {
        QWidget* control = FindControl(window, entry.controlId);
        if (control == nullptr) continue;
        control->setFont(fonts.GetTextFont(entry.textId));
        control->update();
    }
}

void PlaceControls(QWidget* window, std::span<const ControlRect> table) {
    for (const ControlRect& entry : table) {
        QWidget* control = FindControl(window, entry.controlId);
        if (control == nullptr) continue;
        control->setGeometry(entry.left, entry.top, std::max(0, entry.right - entry.left),
                             std::max(0, entry.bottom - entry.top));
        control->update();
    }
}
