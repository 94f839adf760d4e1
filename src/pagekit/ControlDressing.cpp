#include "pagekit/ControlDressing.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <unordered_map>

#include "config/FontCache.h"
#include "config/TextCatalog.h"

namespace {

constexpr const char* kControlIdProperty = "controlId";

// The controls of a window by id, collected in one walk (the window, then its widgets depth first,
// not looking into windows it owns; the first widget with an id wins), so that dressing a page of
// many controls does not search the page once per control.
class ControlIndex {
  public:
    explicit ControlIndex(QWidget* window) {
        if (window == nullptr) return;
        Add(window);
        AddChildren(window);
    }

    QWidget* Find(int id) const {
        const auto found = controls_.find(id);
        return found == controls_.end() ? nullptr : found->second;
    }

  private:
    void Add(QWidget* widget) {
        const QVariant value = widget->property(kControlIdProperty);
        if (value.isValid()) controls_.emplace(value.toInt(), widget);
    }

    void AddChildren(QWidget* parent) {
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget == nullptr || widget->isWindow()) continue;
            Add(widget);
            AddChildren(widget);
        }
    }

    std::unordered_map<int, QWidget*> controls_;
};

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
    return ControlIndex(window).Find(id);
}

void ApplyTexts(QWidget* window, std::span<const ControlText> table, const TextCatalog& texts) {
    const ControlIndex controls(window);
    for (const ControlText& entry : table) {
        if (entry.textId == -1) continue;
        QWidget* control = controls.Find(entry.controlId);
        if (control == nullptr) continue;
        SetControlText(control, QString::fromStdString(texts.LoadText(entry.textId)));
    }
}

void ApplyFonts(QWidget* window, std::span<const ControlText> table, FontCache& fonts) {
    const ControlIndex controls(window);
    for (const ControlText& entry : table) {
        QWidget* control = controls.Find(entry.controlId);
        if (control == nullptr) continue;
        control->setFont(fonts.GetTextFont(entry.textId));
        control->update();
    }
}

void PlaceControls(QWidget* window, std::span<const ControlRect> table) {
    const ControlIndex controls(window);
    for (const ControlRect& entry : table) {
        QWidget* control = controls.Find(entry.controlId);
        if (control == nullptr) continue;
        control->setGeometry(entry.left, entry.top, std::max(0, entry.right - entry.left),
                             std::max(0, entry.bottom - entry.top));
        control->update();
    }
}
