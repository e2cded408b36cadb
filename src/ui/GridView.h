#pragma once

#include <QTableView>

namespace Zentrix {

class TextGrid;

// The view of a TextGrid: fixed rows as column headings, 18-pixel rows, whole-row selection.
// Columns can be dragged to new places on screen; the grid's column indexes never change.
class GridView : public QTableView
{
    Q_OBJECT

public:
    explicit GridView(TextGrid *grid, QWidget *parent = nullptr);
    TextGrid *grid() const { return m_grid; }
    void SetSelectedTextColor(const QColor &c);

private:
    void applyWidths();
    void showCurrentRow(int row);

    void scrollToPending();

    TextGrid *m_grid;
    int m_pendingRow = -1;
};

} // namespace Zentrix
