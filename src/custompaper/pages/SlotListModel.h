#pragma once

#include <QAbstractListModel>
#include <QString>

#include "custompaper/CustomPaperSlotTable.h"

// The call page's setting list: row 0 stands for no custom paper, rows 1..10 for the slots. A
// slot's row is read from the table whenever it is drawn, so it always shows the latest name,
// also one another page has just written.
class SlotListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 15;

    SlotListModel(CustomPaperSlotTable& table, QString noCustomPaperText, TextLookup loadText,
                  QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The slots were read again: the views redraw their rows.
    void SlotsChanged();

  private:
    CustomPaperSlotTable& table_;
    QString noCustomPaperText_;
    TextLookup loadText_;
};
