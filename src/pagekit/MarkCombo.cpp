#include "pagekit/MarkCombo.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStandardItemModel>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

const QColor kMarkedText(178, 178, 178);
constexpr int kTextIndent = 2;

// Rows of the open list: text two pixels from the left, one line, centred vertically; marked
// rows grey on the normal background, never highlighted.
class MarkRowDelegate : public QStyledItemDelegate {
  public:
    MarkRowDelegate(const MarkCombo& combo, QObject* parent)
        : QStyledItemDelegate(parent), combo_(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem row = option;
        initStyleOption(&row, index);
        const bool marked = combo_.IsMarked(index.row());
        const bool highlighted = !marked && (row.state & QStyle::State_Selected);
        painter->save();
        painter->fillRect(row.rect,
                          row.palette.brush(highlighted ? QPalette::Highlight : QPalette::Base));
        painter->setFont(combo_.font());
        painter->setPen(marked        ? kMarkedText
                        : highlighted ? row.palette.color(QPalette::HighlightedText)
                                      : row.palette.color(QPalette::Text));
        const QRect textRect = row.rect.adjusted(kTextIndent, 0, 0, 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          row.fontMetrics.elidedText(row.text, Qt::ElideRight, textRect.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (combo_.RowHeight() > 0) size.setHeight(combo_.RowHeight());
        return size;
    }

  private:
    const MarkCombo& combo_;
};

}  // namespace

MarkCombo::MarkCombo(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new MarkRowDelegate(*this, this));
}

void MarkCombo::AddEntry(const QString& text, uint32_t itemValue) {
    addItem(text, QVariant::fromValue<uint>(itemValue));
    ApplyMark(count() - 1);
}

uint32_t MarkCombo::ItemValue(int index) const {
    return itemData(index).value<uint>();
}

void MarkCombo::SetMark(int index, uint32_t mark) {
    if (index < 0 || index >= count()) return;
    const uint32_t value = (ItemValue(index) & ~kMark) | (mark & kMark);
    setItemData(index, QVariant::fromValue<uint>(value));
    ApplyMark(index);
    update();
}

void MarkCombo::ApplyMark(int index) {
    auto* items = qobject_cast<QStandardItemModel*>(model());
    QStandardItem* item = items != nullptr ? items->item(index) : nullptr;
    if (item == nullptr) return;
    constexpr Qt::ItemFlags kChoosable = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    item->setFlags(IsMarked(index) ? item->flags() & ~kChoosable : item->flags() | kChoosable);
}

bool MarkCombo::IsMarked(int index) const {
    return index >= 0 && index < count() && (ItemValue(index) & kMark) != 0;
}

void MarkCombo::SetRowHeight(int pixels) {
    rowHeight_ = pixels;
    view()->doItemsLayout();
}

void MarkCombo::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (IsMarked(currentIndex())) {
        option.palette.setColor(QPalette::ButtonText, kMarkedText);
        option.palette.setColor(QPalette::Text, kMarkedText);
    }
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
