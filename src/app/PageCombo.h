#pragma once

#include <QComboBox>

// The page selector of the main window: one row per page with a title, carrying the page number.
// In the open list a dotted line separates the main menu row from the operation pages.
class PageCombo : public QComboBox {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 15;

    explicit PageCombo(QWidget* parent);

    void AddPage(const QString& title, int pageNumber);
    // Row of the page, or -1 when the page has no row.
    int RowOfPage(int pageNumber) const;
    int PageOfRow(int row) const;
    // Selects the page's row without announcing a change.
    void SelectPageQuietly(int pageNumber);

  signals:
    // The user chose another row (with the mouse or the arrow keys).
    void pageChosen(int pageNumber);
};
