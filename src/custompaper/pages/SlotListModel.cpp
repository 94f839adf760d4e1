#include "custompaper/pages/SlotListModel.h"

#include <QSize>

SlotListModel::SlotListModel(CustomPaperSlotTable& table, QString noCustomPaperText,
                             TextLookup loadText, QObject* parent)
    : QAbstractListModel(parent),
      table_(table),
      noCustomPaperText_(std::move(noCustomPaperText)),
      loadText_(std::move(loadText)) {}

int SlotListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CustomPaperSlotTable::kSlotCount + 1;
}

QVariant SlotListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            if (index.row() == 0) return noCustomPaperText_;
            return QString::fromStdString(table_.SlotLabel(index.row() - 1, loadText_));
        case Qt::SizeHintRole:
            // A list view in list mode makes its rows as wide as itself.
            return QSize(0, kRowHeight);
        default:
            return {};
    }
}

void SlotListModel::SlotsChanged() {
    emit dataChanged(index(1), index(CustomPaperSlotTable::kSlotCount));
}
