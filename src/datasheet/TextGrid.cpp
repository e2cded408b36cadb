#include "TextGrid.h"

#include <QColor>

namespace Zentrix {

namespace {

void putSize(std::vector<char> &out, size_t n)
{
    while (n >= 0x80) {
        out.push_back(static_cast<char>((n & 0x7F) | 0x80));
        n >>= 7;
    }
    out.push_back(static_cast<char>(n));
}


size_t recordSize(const char *p)
{
    const char *start = p;
    const size_t stored = TextGrid::GetSize(p);
    for (size_t c = 0; c < stored; ++c)
        p += TextGrid::GetSize(p);
    return static_cast<size_t>(p - start);
}

} // namespace

TextGrid::TextGrid(int colCount, int rowCount, int fixedCols, int fixedRows, QObject *parent)
    : QAbstractTableModel(parent), m_colCount(colCount), m_fixedCols(fixedCols), m_fixedRows(fixedRows),
      m_colWidths(static_cast<size_t>(colCount), 64), m_rows(static_cast<size_t>(rowCount), kEmptyRow)
{
}

void TextGrid::SetColCount(int n)
{
    if (n == m_colCount || n < 0)
        return;
    beginResetModel();
    m_colCount = n;
    m_colWidths.resize(static_cast<size_t>(n), 64);
    endResetModel();
}

void TextGrid::SetRowCount(int n)
{
    n = std::max(n, 0);
    const int old = RowCount();
    if (n == old)
        return;
    // Model rows exist only below the fixed rows.
    const int oldModel = std::max(old - m_fixedRows, 0);
    const int newModel = std::max(n - m_fixedRows, 0);
    if (n > old) {
        if (newModel > oldModel)
            beginInsertRows(QModelIndex(), oldModel, newModel - 1);
        m_rows.resize(static_cast<size_t>(n), kEmptyRow);
        if (newModel > oldModel)
            endInsertRows();
    } else {
        if (newModel < oldModel)
            beginRemoveRows(QModelIndex(), newModel, oldModel - 1);
        for (int r = n; r < old; ++r) {
            const uint64_t ref = m_rows[static_cast<size_t>(r)];
            if (ref != kEmptyRow)
                m_liveBytes -= recordSize(m_chunks[ref >> 32].data() + (ref & 0xFFFFFFFFu));
        }
        m_rows.resize(static_cast<size_t>(n));
        if (m_liveBytes == 0) {
            m_chunks.clear();
            m_usedBytes = 0;
        }
        if (newModel < oldModel)
            endRemoveRows();
        if (m_currentRow >= n)
            m_currentRow = n - 1;
        compactIfWasteful();
    }
}

std::vector<QByteArray> TextGrid::decodeRow(int row) const
{
    std::vector<QByteArray> cells(static_cast<size_t>(m_colCount));
    if (row < 0 || row >= RowCount())
        return cells;
    const uint64_t ref = m_rows[static_cast<size_t>(row)];
    if (ref == kEmptyRow)
        return cells;
    const char *p = m_chunks[ref >> 32].data() + (ref & 0xFFFFFFFFu);
    const size_t stored = TextGrid::GetSize(p);
    for (size_t c = 0; c < stored; ++c) {
        const size_t len = TextGrid::GetSize(p);
        if (c < cells.size())
            cells[c] = QByteArray(p, static_cast<qsizetype>(len));
        p += len;
    }
    return cells;
}

void TextGrid::storeRow(int row, const std::vector<QByteArray> &cells)
{
    uint64_t &ref = m_rows[static_cast<size_t>(row)];
    if (ref != kEmptyRow) {
        m_liveBytes -= recordSize(m_chunks[ref >> 32].data() + (ref & 0xFFFFFFFFu));
        ref = kEmptyRow;
    }
    size_t used = cells.size();
    while (used > 0 && cells[used - 1].isEmpty())
        --used;
    if (used == 0)
        return;
    std::vector<char> rec;
    putSize(rec, used);
    for (size_t c = 0; c < used; ++c) {
        putSize(rec, static_cast<size_t>(cells[c].size()));
        rec.insert(rec.end(), cells[c].constData(), cells[c].constData() + cells[c].size());
    }
    ref = appendRecord(rec.data(), rec.size());
    compactIfWasteful();
}

uint64_t TextGrid::appendRecord(const char *data, size_t size)
{
    // Records never straddle chunks; a record larger than a chunk gets a chunk of its own.
    if (m_chunks.empty() || m_chunks.back().size() + size > m_chunks.back().capacity()) {
        m_chunks.emplace_back();
        m_chunks.back().reserve(std::max(kChunkBytes, size));
    }
    std::vector<char> &chunk = m_chunks.back();
    const uint64_t ref = (static_cast<uint64_t>(m_chunks.size() - 1) << 32) | chunk.size();
    chunk.insert(chunk.end(), data, data + size);
    m_liveBytes += size;
    m_usedBytes += size;
    return ref;
}

void TextGrid::compactIfWasteful()
{
    // Rewritten and cleared rows leave dead records behind; rebuild once they outweigh the live ones.
    if (m_usedBytes < 2 * kChunkBytes || m_usedBytes < 2 * m_liveBytes)
        return;
    std::vector<std::vector<char>> old;
    old.swap(m_chunks);
    m_liveBytes = 0;
    m_usedBytes = 0;
    for (uint64_t &ref : m_rows) {
        if (ref == kEmptyRow)
            continue;
        const char *p = old[ref >> 32].data() + (ref & 0xFFFFFFFFu);
        ref = appendRecord(p, recordSize(p));
    }
}

QString TextGrid::Cell(int col, int row) const
{
    if (col < 0 || col >= m_colCount || row < 0 || row >= RowCount())
        return QString();
    const uint64_t ref = m_rows[static_cast<size_t>(row)];
    if (ref == kEmptyRow)
        return QString();
    const char *p = m_chunks[ref >> 32].data() + (ref & 0xFFFFFFFFu);
    const size_t stored = TextGrid::GetSize(p);
    for (size_t c = 0; c < stored; ++c) {
        const size_t len = TextGrid::GetSize(p);
        if (static_cast<int>(c) == col)
            return QString::fromUtf8(p, static_cast<qsizetype>(len));
        p += len;
    }
    return QString();
}

QStringList TextGrid::Row(int row) const
{
    QStringList out;
    for (const QByteArray &c : decodeRow(row))
        out << QString::fromUtf8(c);
    return out;
}

void TextGrid::SetCell(int col, int row, const QString &text)
{
    if (col < 0 || col >= m_colCount || row < 0 || row >= RowCount())
        return;
    std::vector<QByteArray> cells = decodeRow(row);
    cells[static_cast<size_t>(col)] = text.toUtf8();
    storeRow(row, cells);
    notifyRowChanged(row);
}

void TextGrid::SetRow(int row, const QStringList &texts)
{
    if (row < 0 || row >= RowCount())
        return;
    std::vector<QByteArray> cells(static_cast<size_t>(m_colCount));
    for (int c = 0; c < m_colCount && c < texts.size(); ++c)
        cells[static_cast<size_t>(c)] = texts[c].toUtf8();
    storeRow(row, cells);
    notifyRowChanged(row);
}

void TextGrid::SetRowBytes(int row, const Bytes *cells, int count)
{
    if (row < 0 || row >= RowCount())
        return;
    uint64_t &ref = m_rows[static_cast<size_t>(row)];
    if (ref != kEmptyRow) {
        m_liveBytes -= recordSize(m_chunks[ref >> 32].data() + (ref & 0xFFFFFFFFu));
        ref = kEmptyRow;
    }
    int used = std::min(count, m_colCount);
    while (used > 0 && cells[used - 1].size == 0)
        --used;
    if (used > 0) {
        thread_local std::vector<char> rec;
        rec.clear();
        putSize(rec, static_cast<size_t>(used));
        for (int c = 0; c < used; ++c) {
            putSize(rec, cells[c].size);
            rec.insert(rec.end(), cells[c].data, cells[c].data + cells[c].size);
        }
        ref = appendRecord(rec.data(), rec.size());
        compactIfWasteful();
    }
    notifyRowChanged(row);
}

void TextGrid::ClearRow(int row)
{
    if (row < 0 || row >= RowCount() || m_rows[static_cast<size_t>(row)] == kEmptyRow)
        return;
    storeRow(row, {});
    notifyRowChanged(row);
}

void TextGrid::notifyRowChanged(int row)
{
    if (row < m_fixedRows) {
        emit headerDataChanged(Qt::Horizontal, 0, std::max(m_colCount - 1, 0));
        return;
    }
    const int r = row - m_fixedRows;
    emit dataChanged(index(r, 0), index(r, std::max(m_colCount - 1, 0)), {Qt::DisplayRole});
}

void TextGrid::SetCurrentRow(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    m_currentRow = row;
    emit currentRowChanged(row);
}

int TextGrid::ColWidth(int col) const
{
    return (col >= 0 && col < m_colCount) ? m_colWidths[static_cast<size_t>(col)] : 0;
}

void TextGrid::SetColWidth(int col, int width)
{
    if (col < 0 || col >= m_colCount)
        return;
    m_colWidths[static_cast<size_t>(col)] = width;
    emit columnWidthsChanged();
}

void TextGrid::SwapContent(TextGrid &other)
{
    beginResetModel();
    other.beginResetModel();
    std::swap(m_colCount, other.m_colCount);
    std::swap(m_rows, other.m_rows);
    std::swap(m_chunks, other.m_chunks);
    std::swap(m_liveBytes, other.m_liveBytes);
    std::swap(m_usedBytes, other.m_usedBytes);
    m_colWidths.resize(static_cast<size_t>(m_colCount), 64);
    other.m_colWidths.resize(static_cast<size_t>(other.m_colCount), 64);
    m_currentRow = std::min(m_currentRow, RowCount() - 1);
    other.m_currentRow = std::min(other.m_currentRow, other.RowCount() - 1);
    other.endResetModel();
    endResetModel();
}

size_t TextGrid::StorageBytes() const
{
    size_t n = m_rows.capacity() * sizeof(uint64_t);
    for (const auto &c : m_chunks)
        n += c.capacity();
    return n;
}

int TextGrid::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(RowCount() - m_fixedRows, 0);
}

int TextGrid::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_colCount; }

QVariant TextGrid::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        // A cell shows its start only: laying out megabytes of text for one cell would stall the view.
        QString text = Cell(index.column(), index.row() + m_fixedRows);
        if (text.size() > 1000)
            text.truncate(1000);
        return text;
    }
    case Qt::TextAlignmentRole:
        return m_centered ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return m_textColor.isValid() ? QVariant(m_textColor) : QVariant();
    case Qt::BackgroundRole:
        // Fixed columns look like headings, as in the grid this stands in for.
        return index.column() < m_fixedCols ? QVariant(QColor(236, 233, 216)) : QVariant(QColor(Qt::white));
    default:
        return {};
    }
}

QVariant TextGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && m_fixedRows > 0)
        return Cell(section, 0);
    if (orientation == Qt::Horizontal && role == Qt::ForegroundRole && m_textColor.isValid())
        return m_textColor;
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace Zentrix
