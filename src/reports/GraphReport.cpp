#include "GraphReport.h"

#include "AppError.h"
#include "ChannelScale.h"
#include "PagePainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <cmath>

namespace Zentrix {

void ReportAxis::SetMinimum(double v)
{
    if (v > Maximum)
        throw AppError(QStringLiteral("Axis minimum value must be less than or equal to maximum"));
    Minimum = v;
}

void ReportAxis::SetMaximum(double v)
{
    if (v < Minimum)
        throw AppError(QStringLiteral("Axis maximum value must be greater than or equal to minimum"));
    Maximum = v;
}

namespace {

// The chart: frame, labels every increment, the line in red, nothing outside the window.
void paintChart(MmPainter &mm, double left, double top, double width, double height, const GraphReportData &d)
{
    QPainter &p = mm.Painter();
    const QFont font = ReportFont(8);
    const QFontMetricsF fm(font, p.device());
    const double labelMm = 16, bottomMm = 6;
    const double x0 = left + labelMm, y0 = top + 2, x1 = left + width - 3, y1 = top + height - bottomMm;
    mm.Frame(left, top, left + width, top + height);
    mm.Frame(x0, y0, x1, y1);
    const ReportAxis &v = d.vertical, &h = d.horizontal;
    const double vSpan = v.Maximum - v.Minimum, hSpan = h.Maximum - h.Minimum;
    auto yAt = [&](double val) { return vSpan > 0 ? y1 - (val - v.Minimum) / vSpan * (y1 - y0) : y1; };
    auto xAt = [&](double val) { return hSpan > 0 ? x0 + (val - h.Minimum) / hSpan * (x1 - x0) : x0; };
    const QString vFormat = v.LabelFormat.isEmpty() ? QStringLiteral("###0.00") : v.LabelFormat;
    if (v.Increment > 0 && vSpan / v.Increment < 200) {
        const double first = std::ceil(v.Minimum / v.Increment - 1e-9) * v.Increment;
        for (double t = first; t <= v.Maximum + 1e-9; t += v.Increment) {
            mm.HLine(yAt(t), x0 - 1, x0);
            mm.Text(left, yAt(t) - 1.5, labelMm - 2, Qt::AlignRight, font, FormatValue(t, vFormat));
        }
    }
    // About ten labels across.
    if (hSpan > 0) {
        const double raw = hSpan / 10, mag = std::pow(10.0, std::floor(std::log10(raw)));
        const double step = raw / mag < 2 ? mag * 2 : raw / mag < 5 ? mag * 5 : mag * 10;
        for (double t = std::ceil(h.Minimum / step) * step; t <= h.Maximum + 1e-9; t += step) {
            mm.VLine(xAt(t), y1, y1 + 1);
            mm.Text(xAt(t) - 8, y1 + 1.2, 16, Qt::AlignHCenter, font, QString::number(t, 'f', 0));
        }
    }
    QPolygonF line;
    for (const QPointF &pt : d.points)
        line << mm.At(xAt(pt.x()), yAt(pt.y()));
    p.save();
    p.setClipRect(QRectF(mm.At(x0, y0), mm.At(x1, y1)));
    p.setPen(QPen(Qt::red, std::max(1.0, mm.Px(0.3))));
    p.drawPolyline(line);
    p.restore();
    Q_UNUSED(fm);
}

} // namespace

void PaintGraphReport(QPagedPaintDevice &device, const GraphReportData &d)
{
    QPainter p(&device);
    MmPainter mm(p, kMarginMm, kMarginMm);
    const QFont bold = ReportFont(10, true), plain = ReportFont(10);
    const double band = 190.0;
    mm.Frame(0, 0, band, 189.4);
    mm.Text(0, 6.3, band, Qt::AlignHCenter, ReportFont(12, true), QStringLiteral("Digital Multimeter Report"));
    mm.Text(2.1, 17.5, -1, Qt::AlignLeft, plain, d.fileName);
    mm.Text(108.0, 16.9, 79.9, Qt::AlignRight, plain, QStringLiteral("Date/Time:") + d.dateTime);
    mm.Text(1.6, 22.8, -1, Qt::AlignLeft, bold, QStringLiteral("Main Measurement"));
    mm.Text(37.3, 22.8, 52.1, Qt::AlignLeft, plain, d.mainMeasurement);
    mm.Text(91.8, 22.8, -1, Qt::AlignLeft, bold, QStringLiteral("Current Channel"));
    mm.Text(122.8, 22.8, 64.8, Qt::AlignLeft, plain, d.channel);
    mm.Text(8.7, 28.3, -1, Qt::AlignLeft, bold, QStringLiteral("TRIGGER"));
    mm.Text(25.9, 28.3, 42.3, Qt::AlignLeft, plain, d.trigger);
    mm.Text(87.3, 28.3, -1, Qt::AlignLeft, bold, QStringLiteral("DELAY"));
    mm.Text(108.0, 28.3, 20.9, Qt::AlignRight, plain, d.delay);
    mm.Text(147.4, 28.3, -1, Qt::AlignLeft, bold, QStringLiteral("VALUE"));
    mm.Text(168.3, 28.3, 20.9, Qt::AlignRight, plain, d.value);
    mm.Text(7.9, 33.6, -1, Qt::AlignLeft, bold, QStringLiteral("CAPTURE"));
    mm.Text(25.9, 33.6, 42.3, Qt::AlignLeft, plain, d.capture);
    mm.Text(79.6, 33.6, -1, Qt::AlignLeft, bold, QStringLiteral("HIGH LIMIT"));
    mm.Text(108.0, 33.6, 20.9, Qt::AlignRight, plain, d.high);
    mm.Text(140.2, 33.6, -1, Qt::AlignLeft, bold, QStringLiteral("LOW LIMIT"));
    mm.Text(168.3, 33.6, 20.9, Qt::AlignRight, plain, d.low);
    mm.Text(1.9, 40.0, -1, Qt::AlignLeft, bold, QStringLiteral("Interval Time"));
    mm.Text(1.9, 46.0, 22.0, Qt::AlignHCenter, plain, d.interval);
    mm.Text(25.9, 40.0, -1, Qt::AlignLeft, bold, QStringLiteral("Function"));
    mm.Text(41.8, 40.0, 17.7, Qt::AlignLeft, plain, d.function);
    mm.Text(29.6, 45.8, -1, Qt::AlignLeft, bold, QStringLiteral("Range"));
    mm.Text(41.8, 45.8, 17.7, Qt::AlignLeft, plain, d.range);
    mm.Text(33.9, 51.3, -1, Qt::AlignLeft, bold, QStringLiteral("Unit"));
    mm.Text(41.8, 51.3, 17.7, Qt::AlignLeft, plain, d.unit);
    const double channelX[] = {80.2, 110.1, 140.2, 170.1}, valueX[] = {70.1, 100.3, 130.4, 160.3};
    const char *channels[] = {"MAIN", "SUB1", "SUB2", "SUB3"};
    for (int c = 0; c < 4; ++c) {
        mm.Text(channelX[c], 40.0, -1, Qt::AlignLeft, bold, QString::fromLatin1(channels[c]));
        mm.Text(valueX[c], 45.8, 28.6, Qt::AlignLeft, plain, d.min[c]);
        mm.Text(valueX[c], 51.3, c == 0 ? 28.8 : 28.6, Qt::AlignLeft, plain, d.max[c]);
    }
    mm.Text(61.4, 45.8, -1, Qt::AlignLeft, bold, QStringLiteral("Min"));
    mm.Text(61.4, 51.3, -1, Qt::AlignLeft, bold, QStringLiteral("Max"));

    // Rulings.
    for (auto [a, b] : {std::pair{22.2, 28.0}, std::pair{33.3, 39.4}, std::pair{45.2, 51.1}}) {
        mm.HLine(a, 0, band);
        mm.HLine(b, 0, band);
    }
    mm.HLine(55.8, 0, band);
    mm.SideBox(90.5, 122.0, 22.5, 27.8);
    // Vertical rules drawn in the middle of their 1.9 mm line shapes.
    mm.VLine(34.7 + 0.95, 22.8, 27.8);
    for (double x : {24.3, 68.8, 99.0, 128.9, 159.0})
        mm.VLine(x + 0.95, 28.0, 56.1);
    for (double x : {40.5, 59.8})
        mm.VLine(x + 0.95, 39.4, 56.1);

    paintChart(mm, 0.5, 57.9, 187.9, 121.7, d);
}

} // namespace Zentrix
