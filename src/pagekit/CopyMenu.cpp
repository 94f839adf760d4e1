#include "pagekit/CopyMenu.h"

#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "pagekit/ServiceApp.h"
#include "platform/Clipboard.h"

namespace {

// Text boxes that scroll receive their mouse events on the viewport.
QWidget* MouseTarget(QWidget* box) {
    auto* area = qobject_cast<QAbstractScrollArea*>(box);
    return area != nullptr ? area->viewport() : box;
}

}  // namespace

CopyMenu::CopyMenu(QWidget* box, ServiceApp& app) : QObject(box), box_(box), menu_(new QMenu(box)) {
    copy_ = menu_->addAction(app.LoadText(60251));
    connect(copy_, &QAction::triggered, this, &CopyMenu::CopySelection);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    MouseTarget(box)->installEventFilter(this);
}

bool CopyMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            menu_->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CopyMenu::CopySelection() {
    const QString text = SelectedText();
    if (!text.isEmpty()) Clipboard::SetText(text);
}

QString CopyMenu::SelectedText() const {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box_.data())) {
        return plain->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
    }
    if (auto* rich = qobject_cast<QTextEdit*>(box_.data())) {
        return rich->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
    }
    if (auto* line = qobject_cast<QLineEdit*>(box_.data())) return line->selectedText();
    return {};
}
