#include "pagekit/MarkCombo.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QWheelEvent>

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
    connect(this, &QComboBox::activated, this, &MarkCombo::RefuseMarked);
}

void MarkCombo::AddEntry(const QString& text, uint32_t itemValue) {
    addItem(text, QVariant::fromValue<uint>(itemValue));
}

uint32_t MarkCombo::ItemValue(int index) const {
    return itemData(index).value<uint>();
}

void MarkCombo::SetMark(int index, uint32_t mark) {
    if (index < 0 || index >= count()) return;
    const uint32_t value = (ItemValue(index) & ~kMark) | (mark & kMark);
    setItemData(index, QVariant::fromValue<uint>(value));
    update();
}

bool MarkCombo::IsMarked(int index) const {
    return index >= 0 && index < count() && (ItemValue(index) & kMark) != 0;
}

void MarkCombo::SetRowHeight(int pixels) {
    rowHeight_ = pixels;
    view()->doItemsLayout();
}

void MarkCombo::showPopup() {
    remembered_ = currentIndex();
    QComboBox::showPopup();
}

// A closed combo also changes its selection from the keyboard and the wheel.
void MarkCombo::keyPressEvent(QKeyEvent* event) {
    remembered_ = currentIndex();
    QComboBox::keyPressEvent(event);
}

void MarkCombo::wheelEvent(QWheelEvent* event) {
    remembered_ = currentIndex();
    QComboBox::wheelEvent(event);
}

void MarkCombo::RefuseMarked(int index) {
    if (IsMarked(index)) setCurrentIndex(remembered_);
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
