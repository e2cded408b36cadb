#pragma once

#include "ReportHeading.h"

#include <QPointF>
#include <QString>
#include <vector>

class QPagedPaintDevice;

namespace Zentrix {

// The report chart's axis: it starts from the design range and refuses, as the graph's chart
// does, a minimum above its maximum or a maximum below its minimum.
struct ReportAxis
{
    double Minimum, Maximum;
    double Increment = 0;
    QString LabelFormat;
    void SetMinimum(double v);
    void SetMaximum(double v);
};

// Everything the graph report prints, taken from the graph window and the settings.
struct GraphReportData : ReportHeading
{
    QString channel, function, range, unit;
    ReportAxis vertical{192, 613, 0, {}};
    ReportAxis horizontal{0, 96.15, 0, {}};
    std::vector<QPointF> points; // the graph's points within the horizontal window
};

// One A4 page: the title band with its texts and rulings, the chart with a red line.
void PaintGraphReport(QPagedPaintDevice &device, const GraphReportData &data);

} // namespace Zentrix
