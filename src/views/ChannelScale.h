#pragma once

#include <QString>

namespace Zentrix {

// A view's vertical range and number format for the channel it shows.
struct ChannelScale
{
    QString ValueFormat;  // "#0", "#0.0000": '#' optional digit, '0' digit, '.' the point
    int VisibleSpan = 100; // samples shown across a graph
    double RangeMin = 0;
    double RangeMax = 0;
};

// Back to the state after a reset: empty format, 0..0, span 100.
void ResetScale(ChannelScale &scale);

// The range and format for one sample's channel, from the meter's display (decimals, function,
// range) and the meter type. Lines are at least 13 characters in the meter's layout.
void ComputeScale(int channel, const QString &main, const QString &sub1, const QString &sub2,
                  const QString &sub3, ChannelScale &scale, int meterType);

// A number in the "#0.000" notation with the locale's decimal separator.
QString FormatValue(double v, const QString &format);

} // namespace Zentrix
