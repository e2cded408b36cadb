#include "DataSheetRules.h"

#include "Global.h"
#include "TextGrid.h"
#include "ValueRules.h"

namespace Zentrix {

QString ReplayLine(const QString &cell)
{
    QString line = Cut255(cell + QChar('\r'));
    if (line.size() < 13)
        line = QString(13, QChar(' ')) + QChar('\r');
    return line;
}

void FoldChannelSummary(TextGrid &g, int col, const QString &line, const QString &stamp)
{
    const QString value = TrimControls(line.mid(2, 7));
    auto setMin = [&] {
        g.SetCell(col, srMinTime, stamp);
        g.SetCell(col, srMinValue, value);
    };
    auto setMax = [&] {
        g.SetCell(col, srMaxTime, stamp);
        g.SetCell(col, srMaxValue, value);
    };
    auto blank = [&](int row) { return g.Cell(col, row).trimmed().isEmpty(); };

    switch (ClassifyValue(value)) {
    case vcNegOverload:
        setMin();
        if (blank(srMaxValue))
            setMax();
        break;
    case vcOverload:
        setMax();
        if (blank(srMinValue))
            setMin();
        break;
    case vcNumber:
        if (blank(srMinValue) || ValueLess(value, g.Cell(col, srMinValue)))
            setMin();
        if (blank(srMaxValue) || ValueGreater(value, g.Cell(col, srMaxValue)))
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
