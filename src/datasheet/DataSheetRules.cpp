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

void FoldChannelSummary(TextGrid &g, int col, const QString &line, const QString &stamp, ChannelExtremes &x)
{
    const QString value = TrimControls(line.mid(2, 7));
    const ValueJudge v = JudgeValue(value);
    auto setMin = [&] {
        g.SetCell(col, srMinTime, stamp);
        g.SetCell(col, srMinValue, value);
        x.min = v;
    };
    auto setMax = [&] {
        g.SetCell(col, srMaxTime, stamp);
        g.SetCell(col, srMaxValue, value);
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
