#include "GridTextFile.h"

#include "AppError.h"
#include "Global.h"
#include "TextGrid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Zentrix {

DataFileNames DeriveDataFileNames(const QString &fileName)
{
    const qsizetype lastSep = std::max(fileName.lastIndexOf(QChar('/')), fileName.lastIndexOf(QChar('\\')));
    const qsizetype dot = fileName.lastIndexOf(QChar('.'));
    if (dot <= lastSep)
        return {fileName + QStringLiteral(".DMM"), fileName + QStringLiteral(".CFG")};
    const QString stem = fileName.left(dot);
    const QString ext = fileName.mid(dot);
    const QString data =
        ext.compare(QLatin1String(".DMM"), Qt::CaseInsensitive) == 0 ? fileName : stem + QStringLiteral(".DMM");
    return {data, stem + QStringLiteral(".CFG")};
}

namespace {

// Whether the system's 8-bit code page is UTF-8, the grid's own form; then files need no conversion.
bool localIsUtf8()
{
    static const bool utf8 = QString::fromLocal8Bit("\xc3\xa9") == QString(QChar(0xE9));
    return utf8;
}

bool needsQuotes(const char *p, size_t n)
{
    if (n > 0 && p[0] == '"')
        return true;
    for (size_t i = 0; i < n; ++i)
        if (p[i] == ',' || p[i] == '\r' || p[i] == '\n')
            return true;
    return false;
}

} // namespace

QByteArray GridText(const TextGrid &grid)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(grid.RowCount()) * 80);
    const int cols = grid.ColCount();
    for (int r = 0; r < grid.RowCount(); ++r) {
        int written = 0;
        grid.ForEachCellBytes(r, [&](int, TextGrid::Bytes cell) {
            if (needsQuotes(cell.data, cell.size)) {
                out += '"';
                for (size_t i = 0; i < cell.size; ++i) {
                    if (cell.data[i] == '"')
                        out += '"';
                    out += cell.data[i];
                }
                out += '"';
            } else {
                out.append(cell.data, static_cast<qsizetype>(cell.size));
            }
            out += ',';
            ++written;
        });
        for (; written < cols; ++written)
            out += ',';
        out += "\r\n";
    }
    // The file is in the system's code page.
    return localIsUtf8() ? out : QString::fromUtf8(out).toLocal8Bit();
}

void ParseGridText(TextGrid &grid, const QByteArray &fileText)
{
    const QByteArray text = localIsUtf8() ? fileText : QString::fromLocal8Bit(fileText).toUtf8();
    const qsizetype n = text.size();
    const char *p = text.constData();
    // Every line needs a row: count them first (a quoted cell may span line ends) and grow once.
    int lines = 0;
    {
        bool cellStart = true;
        for (qsizetype k = 0; k < n; ++k) {
            const char c = p[k];
            if (cellStart && c == '"') {
                for (++k; k < n; ++k)
                    if (p[k] == '"' && !(k + 1 < n && p[k + 1] == '"'))
                        break;
                    else if (p[k] == '"')
                        ++k;
                cellStart = false;
                continue;
            }
            if (c == '\r' || c == '\n') {
                if (c == '\r' && k + 1 < n && p[k + 1] == '\n')
                    ++k;
                ++lines;
                cellStart = true;
            } else {
                cellStart = c == ',';
            }
        }
        if (n > 0 && p[n - 1] != '\n' && p[n - 1] != '\r')
            ++lines;
    }
    if (lines > grid.RowCount())
        grid.SetRowCount(lines);

    qsizetype i = 0;
    int row = 0;
    std::vector<TextGrid::Bytes> cells;
    std::vector<QByteArray> unquoted;
    auto atLineEnd = [&](qsizetype k) { return k >= n || p[k] == '\r' || p[k] == '\n'; };
    while (i < n) {
        if (row >= grid.RowCount())
            grid.SetRowCount(row + 1);
        cells.clear();
        unquoted.clear();
        // Cells up to the line end; a comma right before the line end closes the line.
        while (!atLineEnd(i)) {
            if (p[i] == '"') {
                QByteArray cell;
                ++i;
                while (i < n) {
                    if (p[i] == '"') {
                        if (i + 1 < n && p[i + 1] == '"') {
                            cell += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    cell += p[i++];
                }
                while (!atLineEnd(i) && p[i] != ',')
                    cell += p[i++];
                unquoted.push_back(cell);
                cells.push_back({nullptr, static_cast<size_t>(unquoted.size() - 1)});
            } else {
                const qsizetype from = i;
                while (!atLineEnd(i) && p[i] != ',')
                    ++i;
                cells.push_back({p + from, static_cast<size_t>(i - from)});
            }
            if (i < n && p[i] == ',')
                ++i;
        }
        // Quoted cells live in their own buffers.
        for (TextGrid::Bytes &c : cells)
            if (!c.data) {
                const QByteArray &b = unquoted[c.size];
                c = {b.constData(), static_cast<size_t>(b.size())};
            }
        if (static_cast<int>(cells.size()) > grid.ColCount())
            grid.SetColCount(static_cast<int>(cells.size()));
        if (!cells.empty()) {
            if (grid.RowEmpty(row) || static_cast<int>(cells.size()) >= grid.ColCount()) {
                grid.SetRowBytes(row, cells.data(), static_cast<int>(cells.size()));
            } else {
                // Cells the line does not reach keep their texts.
                QStringList merged = grid.Row(row);
                for (size_t c = 0; c < cells.size(); ++c)
                    merged[static_cast<qsizetype>(c)] =
                        QString::fromUtf8(cells[c].data, static_cast<qsizetype>(cells[c].size));
                grid.SetRow(row, merged);
            }
        }
        // One line end: CR LF, a lone CR or a lone LF.
        if (i < n && p[i] == '\r')
            ++i;
        if (i < n && p[i] == '\n')
            ++i;
        ++row;
    }
}

void WriteWhole(QSaveFile &f, const QByteArray &bytes)
{
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush()) {
        f.cancelWriting();
        throw AppError(QStringLiteral("Cannot create file %1").arg(f.fileName()));
    }
}

void SaveGridText(const TextGrid &grid, const QString &fileName)
{
    QSaveFile f(fileName);
    WriteWhole(f, GridText(grid));
    if (!f.commit())
        throw AppError(QStringLiteral("Cannot create file %1").arg(fileName));
}

void LoadGridText(TextGrid &grid, const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file %1").arg(fileName));
    const QByteArray text = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("Cannot open file %1").arg(fileName));
    // Grid text never holds a NUL byte: such a file is something else, and is left alone.
    if (text.contains('\0'))
        throw AppError(QStringLiteral("Cannot open file %1: it is not a data file").arg(fileName));
    ParseGridText(grid, text);
}

void ApplyConfigGrid(const TextGrid &g, TSettings &out)
{
    TSettings s = out;
    auto text = [&](int col, int row) { return g.Cell(col, row).trimmed(); };
    auto integer = [&](int col, int row) {
        const QString t = text(col, row);
        bool ok = false;
        const int v = t.toInt(&ok, 10);
        if (!ok)
            throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(t));
        return v;
    };
    auto boolean = [&](int col, int row) { return text(col, row) == QLatin1String("TRUE"); };
    s.MODEL = integer(1, 0);
    s.PORT = integer(2, 0);
    s.GOFFSET = integer(3, 0);
    s.GMAX = integer(4, 0);
    s.COUNT = integer(5, 0);
    s.MAINCHANNEL = integer(1, 1);
    s.CHANNEL = integer(2, 1);
    s.TRIGGER = integer(3, 1);
    s.DELAY = integer(4, 1);
    s.VALUE = Cut255(text(5, 1));
    s.CAPTURE = integer(1, 2);
    s.HIGH = Cut255(text(2, 2));
    s.LOW = Cut255(text(3, 2));
    s.ACQUIRE = boolean(4, 2);
    s.GAUGE = boolean(5, 2);
    s.DEBUG = boolean(1, 3);
    s.TYPE = integer(2, 3);
    s.INTERVAL = integer(3, 3);
    out = s;
}

} // namespace Zentrix
