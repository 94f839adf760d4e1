#include "app/PageCombo.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

// Rows of a fixed height with their text two pixels from the left, and the dotted line across the
// top of the second row.
class PageRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), PageCombo::kRowHeight};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        const QColor textColor =
            selected ? palette.highlightedText().color() : palette.text().color();
        painter->setPen(textColor);
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(2, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        if (index.row() == 1) {
            painter->setPen(QPen(textColor, 1, Qt::DotLine));
            painter->drawLine(option.rect.left(), option.rect.top(), option.rect.right(),
                              option.rect.top());
        }
        painter->restore();
    }
};

}  // namespace

PageCombo::PageCombo(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new PageRowDelegate(this));
    connect(this, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (row >= 0) emit pageChosen(PageOfRow(row));
    });
}

void PageCombo::AddPage(const QString& title, int pageNumber) {
    addItem(title, pageNumber);
}

int PageCombo::RowOfPage(int pageNumber) const {
    return findData(pageNumber);
}

int PageCombo::PageOfRow(int row) const {
    return itemData(row).toInt();
}

void PageCombo::SelectPageQuietly(int pageNumber) {
    const QSignalBlocker blocker(this);
    setCurrentIndex(RowOfPage(pageNumber));
}
