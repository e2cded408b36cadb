#include "ReportTexts.h"

#include "ChannelScale.h"
#include "LocaleFormat.h"
#include "TextGrid.h"
#include "ValueRules.h"

namespace Zentrix {

QString TriggerText(int trigger)
{
    static const char *texts[] = {"Trigger Off", "Rising Edge", "Falling Edge"};
    return trigger >= 0 && trigger <= 2 ? QString::fromLatin1(texts[trigger]) : QStringLiteral("TRIGGER");
}

QString CaptureText(int capture)
{
    static const char *texts[] = {"No Condition", "Data >= High Limit", "Data <= Low Limit", "Low <= Data <= High"};
    return capture >= 0 && capture <= 3 ? QString::fromLatin1(texts[capture]) : QStringLiteral("CAPTURE");
}

QString IntervalText(int interval) { return QString::number(interval) + QStringLiteral(" Sec"); }

QString MainMeasurementText(const QString &mainLine)
{
    return mainLine.left(2) + QStringLiteral("   ") + TrimControls(mainLine.mid(9, 4));
}

SummaryTexts SummaryTextsOf(const TextGrid &g)
{
    SummaryTexts t;
    for (int c = 1; c <= 4; ++c) {
        t.min[c - 1] = g.Cell(c, 1) + QStringLiteral("  ") + g.Cell(c, 2);
        t.max[c - 1] = g.Cell(c, 3) + QStringLiteral("  ") + g.Cell(c, 4);
    }
    return t;
}

QString RangeText(double rangeMax, const QString &valueFormat)
{
    if (valueFormat.isEmpty())
        return QString::number(rangeMax, 'g', 15).replace(QChar('.'), DecimalSeparator());
    return FormatValue(rangeMax, valueFormat);
}

} // namespace Zentrix
