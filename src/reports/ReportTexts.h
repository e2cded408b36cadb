#pragma once

#include <QString>
#include <QStringList>

namespace Zentrix {

class TextGrid;

// The texts both reports print, from the settings and the data sheet's summary.
QString TriggerText(int trigger);   // "Trigger Off", "Rising Edge", "Falling Edge", else "TRIGGER"
QString CaptureText(int capture);   // "No Condition", ..., else "CAPTURE"
QString IntervalText(int interval); // "2 Sec"
// Function code, three blanks, the unit trimmed: "DC   V".
QString MainMeasurementText(const QString &mainLine);
// Min and max of each channel: time, two blanks, value.
struct SummaryTexts
{
    QString min[4], max[4];
};
SummaryTexts SummaryTextsOf(const TextGrid &summary);
// The upper end of the range in its format; an empty format gives the shortest number form.
QString RangeText(double rangeMax, const QString &valueFormat);

} // namespace Zentrix
