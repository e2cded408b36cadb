#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace Zentrix {

// A grid of texts addressed by (column, row), with fixed heading rows and columns and a
// current row. Rows are kept as packed records (one run of bytes per row), so a million
// sample rows cost little more than their own text. It is also the table model of its view:
// model row r is grid row r + FixedRows; the fixed rows are the view's column headings.
class TextGrid : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TextGrid(int colCount, int rowCount, int fixedCols, int fixedRows, QObject *parent = nullptr);

    int ColCount() const { return m_colCount; }
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int FixedCols() const { return m_fixedCols; }
    int FixedRows() const { return m_fixedRows; }
    void SetColCount(int n);
    // Growing adds empty rows; shrinking drops the rows at the end.
    void SetRowCount(int n);

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString &text);
    // Every cell of a row at once; cheaper than cell by cell.
    void SetRow(int row, const QStringList &cells);
    QStringList Row(int row) const;
    void ClearRow(int row);

    int CurrentRow() const { return m_currentRow; }
    void SetCurrentRow(int row);

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);

    // Raw UTF-8 cells of one row, for the file reader: sets the row to exactly these cells.
    struct Bytes
    {
        const char *data;
        size_t size;
    };
    void SetRowBytes(int row, const Bytes *cells, int count);
    bool RowEmpty(int row) const { return row < 0 || row >= RowCount() || m_rows[static_cast<size_t>(row)] == kEmptyRow; }
    // Calls f(cellIndex, bytes) for the stored cells of a row, in order; for the file writer.
    template <class F> void ForEachCellBytes(int row, F f) const;

    // Takes over the other grid's rows and columns (the other gets this grid's); widths and look stay.
    void SwapContent(TextGrid &other);

    // A record's sizes are written 7 bits a byte, low bits first.
    static size_t GetSize(const char *&p)
    {
        size_t n = 0;
        int shift = 0;
        for (;;) {
            const auto b = static_cast<unsigned char>(*p++);
            n |= static_cast<size_t>(b & 0x7F) << shift;
            if (!(b & 0x80))
                return n;
            shift += 7;
        }
    }
    // Bytes held for the rows' texts and their index; for the benchmark.
    size_t StorageBytes() const;

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Look of the cells in the view.
    void SetTextColor(const QColor &c) { m_textColor = c; }
    void SetCentered(bool on) { m_centered = on; }

signals:
    void currentRowChanged(int row);
    void columnWidthsChanged();

private:
    static constexpr uint64_t kEmptyRow = UINT64_MAX;
    static constexpr size_t kChunkBytes = 1u << 20;

    // Copies a record into the chunks and answers where it starts.
    uint64_t appendRecord(const char *data, size_t size);
    std::vector<QByteArray> decodeRow(int row) const;
    void storeRow(int row, const std::vector<QByteArray> &cells);
    void compactIfWasteful();
    void notifyRowChanged(int row);

    int m_colCount;
    int m_fixedCols;
    int m_fixedRows;
    int m_currentRow = -1;
    std::vector<int> m_colWidths;
    QColor m_textColor;
    bool m_centered = false;

    // Record of row r: where it starts in the chunks (chunk << 32 | offset), or kEmptyRow.
    // A record is a run of cells, each a variable-length size followed by UTF-8 bytes.
    std::vector<uint64_t> m_rows;
    std::vector<std::vector<char>> m_chunks;
    size_t m_liveBytes = 0;
    size_t m_usedBytes = 0;
};

template <class F> void TextGrid::ForEachCellBytes(int row, F f) const
{
    if (RowEmpty(row))
        return;
    const uint64_t ref = m_rows[static_cast<size_t>(row)];
    const char *p = m_chunks[ref >> 32].data() + (ref & 0xFFFFFFFFu);
    const size_t stored = GetSize(p);
    for (size_t c = 0; c < stored && static_cast<int>(c) < m_colCount; ++c) {
        const size_t len = GetSize(p);
        f(static_cast<int>(c), Bytes{p, len});
        p += len;
    }
}

} // namespace Zentrix
