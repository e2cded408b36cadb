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

bool needsQuotes(const QByteArray &cell)
{
    return cell.startsWith('"') || cell.contains(',') || cell.contains('\r') || cell.contains('\n');
}

} // namespace

QByteArray GridText(const TextGrid &grid)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(grid.RowCount()) * 72);
    for (int r = 0; r < grid.RowCount(); ++r) {
        const QStringList cells = grid.Row(r);
        for (int c = 0; c < grid.ColCount(); ++c) {
            const QByteArray cell = cells[c].toLocal8Bit();
            if (needsQuotes(cell)) {
                out += '"';
                out += QByteArray(cell).replace("\"", "\"\"");
                out += '"';
            } else {
                out += cell;
            }
            out += ',';
        }
        out += "\r\n";
    }
    return out;
}

void ParseGridText(TextGrid &grid, const QByteArray &text)
{
    const qsizetype n = text.size();
    const char *p = text.constData();
    qsizetype i = 0;
    int row = 0;
    auto atLineEnd = [&](qsizetype k) { return k >= n || p[k] == '\r' || p[k] == '\n'; };
    while (i < n) {
        if (row >= grid.RowCount())
            grid.SetRowCount(row + 1);
        QStringList cells;
        // Cells up to the line end; a comma right before the line end closes the line.
        while (!atLineEnd(i)) {
            QByteArray cell;
            if (p[i] == '"') {
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
            }
            while (!atLineEnd(i) && p[i] != ',')
                cell += p[i++];
            cells << QString::fromLocal8Bit(cell);
            if (i < n && p[i] == ',')
                ++i;
        }
        if (cells.size() > grid.ColCount())
            grid.SetColCount(static_cast<int>(cells.size()));
        if (!cells.isEmpty()) {
            // Cells the line does not reach keep their texts.
            QStringList merged = grid.Row(row);
            for (qsizetype c = 0; c < cells.size(); ++c)
                merged[c] = cells[c];
            grid.SetRow(row, merged);
        }
        // One line end: CR LF, a lone CR or a lone LF.
        if (i < n && p[i] == '\r')
            ++i;
        if (i < n && p[i] == '\n')
            ++i;
        ++row;
    }
}

void SaveGridText(const TextGrid &grid, const QString &fileName)
{
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly))
        throw AppError(QStringLiteral("Cannot create file %1").arg(fileName));
    f.write(GridText(grid));
    if (!f.commit())
        throw AppError(QStringLiteral("Cannot create file %1").arg(fileName));
}

void LoadGridText(TextGrid &grid, const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file %1").arg(fileName));
    ParseGridText(grid, f.readAll());
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
