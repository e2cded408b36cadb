#include "DataSheetRules.h"

#include "Global.h"
#include "TextGrid.h"
#include "ValueRules.h"

namespace Zentrix {

ReplayedRow ReplayRowLines(const TextGrid &sheet, int row)
{
    // Short cells all become the same blank line, shared rather than built again.
    static const QString blankLine = QString(13, QChar(' ')) + QChar('\r');
    ReplayedRow r{blankLine, blankLine, blankLine, blankLine, QString()};
    QString *lines[] = {nullptr, &r.main, &r.sub1, &r.sub2, &r.sub3};
    sheet.ForEachCellBytes(row, [&](int col, TextGrid::Bytes b) {
        if (col >= 1 && col <= 4) {
            if (b.size < 12)
                return; // fewer than 12 characters whatever their encoding
            // Meter lines are ASCII: one allocation for the line and its carriage return.
            bool ascii = true;
            for (size_t i = 0; i < b.size && ascii; ++i)
                ascii = static_cast<unsigned char>(b.data[i]) < 0x80;
            QString line;
            if (ascii) {
                line = QString(static_cast<qsizetype>(b.size) + 1, Qt::Uninitialized);
                QChar *out = line.data();
                for (size_t i = 0; i < b.size; ++i)
                    out[i] = QChar(static_cast<ushort>(b.data[i]));
                out[b.size] = QChar('\r');
            } else {
                line = QString::fromUtf8(b.data, static_cast<qsizetype>(b.size)) + QChar('\r');
            }
            *lines[col] = line.size() < 13 ? blankLine : (line.size() > 255 ? line.left(255) : line);
        } else if (col == 5) {
            r.time = QString::fromUtf8(b.data, static_cast<qsizetype>(b.size));
        }
    });
    return r;
}

void FoldChannelSummary(TextGrid &g, int col, const QString &line, const QString &stamp, ChannelExtremes &x)
{
    const QStringView field = QStringView(line).mid(2, 7);
    const ValueJudge v = JudgeValue(field);
    auto value = [&] { return TrimControls(field.toString()); };
    auto setMin = [&] {
        g.SetCell(col, srMinTime, stamp);
        g.SetCell(col, srMinValue, value());
        x.min = v;
    };
    auto setMax = [&] {
        g.SetCell(col, srMaxTime, stamp);
        g.SetCell(col, srMaxValue, value());
        x.max = v;
    };

    switch (v.cls) {
    case vcNegOverload:
        setMin();
        if (x.max.blank)
            setMax();
        break;
    case vcOverload:
        setMax();
        if (x.min.blank)
            setMin();
        break;
    case vcNumber:
        if (x.min.blank || ValueLess(v, x.min))
            setMin();
        if (x.max.blank || ValueGreater(v, x.max))
            setMax();
        break;
    default:
        break;
    }
}

void FillConfigGrid(TextGrid &c, const TSettings &s)
{
    auto b = [](bool v) { return v ? QStringLiteral("TRUE") : QStringLiteral("FALSE"); };
    auto n = [](int v) { return QString::number(v); };
    c.SetRow(0, {QStringLiteral("CFG1"), n(s.MODEL), n(s.PORT), n(s.GOFFSET), n(s.GMAX), n(s.COUNT)});
    c.SetRow(1, {QStringLiteral("CFG2"), n(s.MAINCHANNEL), n(s.CHANNEL), n(s.TRIGGER), n(s.DELAY), s.VALUE});
    c.SetRow(2, {QStringLiteral("CFG3"), n(s.CAPTURE), s.HIGH, s.LOW, b(s.ACQUIRE), b(s.GAUGE)});
    c.SetRow(3, {QStringLiteral("CFG4"), b(s.DEBUG), n(s.TYPE), n(s.INTERVAL), QString(), QString()});
}

} // namespace Zentrix
