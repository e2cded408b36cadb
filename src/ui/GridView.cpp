#include "GridView.h"

#include "TextGrid.h"

#include <QHeaderView>

namespace Zentrix {

GridView::GridView(TextGrid *grid, QWidget *parent) : QTableView(parent), m_grid(grid)
{
    setModel(grid);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setShowGrid(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setMinimumSectionSize(18);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(19);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setVisible(grid->FixedRows() > 0);
    // Selected rows look like the others.
    SetSelectedTextColor(Qt::black);
    applyWidths();
    connect(grid, &TextGrid::columnWidthsChanged, this, &GridView::applyWidths);
    connect(grid, &TextGrid::currentRowChanged, this, &GridView::showCurrentRow);
    connect(grid, &QAbstractItemModel::modelReset, this, &GridView::applyWidths);
}

void GridView::SetSelectedTextColor(const QColor &c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Highlight, Qt::white);
    pal.setColor(QPalette::HighlightedText, c);
    pal.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, c);
    setPalette(pal);
}

void GridView::applyWidths()
{
    for (int c = 0; c < m_grid->ColCount(); ++c)
        setColumnWidth(c, m_grid->ColWidth(c));
}

void GridView::showCurrentRow(int row)
{
    // Finding a row's place costs time in proportion to the row count after every insert,
    // so the view follows the current row once per event-loop turn, not once per row.
    const bool scheduled = m_pendingRow >= 0;
    m_pendingRow = row;
    if (!scheduled)
        QMetaObject::invokeMethod(this, &GridView::scrollToPending, Qt::QueuedConnection);
}

void GridView::scrollToPending()
{
    const int r = m_pendingRow - m_grid->FixedRows();
    m_pendingRow = -1;
    if (r < 0 || r >= m_grid->rowCount())
        return;
    const QModelIndex idx = m_grid->index(r, 0);
    selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(idx);
}

} // namespace Zentrix
