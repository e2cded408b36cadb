#include "GraphReport.h"

#include "AppError.h"
#include "ChannelScale.h"
#include "PagePainter.h"

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
}

} // namespace

void PaintGraphReport(QPagedPaintDevice &device, const GraphReportData &d)
{
    QPainter p(&device);
    MmPainter mm(p, kMarginMm, kMarginMm);
    const QFont bold = ReportFont(10, true), plain = ReportFont(10);
    const double band = 190.0;
    mm.Frame(0, 0, band, 189.4);
    static const HeadingLayout layout{
        .titleTop = 6.3,
        .fileLeft = 2.1, .fileTop = 17.5,
        .dateLeft = 108.0, .dateTop = 16.9, .dateWidth = 79.9,
        .mainTop = 22.8, .mainCaptionLeft = 1.6, .mainLeft = 37.3, .mainWidth = 52.1,
        .triggerTop = 28.3, .captureTop = 33.6,
        .triggerCaptionLeft = 8.7, .captureCaptionLeft = 7.9, .modeLeft = 25.9, .modeWidth = 42.3,
        .delayCaptionLeft = 87.3, .highCaptionLeft = 79.6, .middleLeft = 108.0, .middleWidth = 20.9,
        .valueCaptionLeft = 147.4, .lowCaptionLeft = 140.2, .rightLeft = 168.3, .rightWidth = 20.9,
        .intervalCaptionLeft = 1.9, .intervalCaptionTop = 40.0, .intervalLeft = 1.9, .intervalTop = 46.0,
        .intervalWidth = 22.0,
        .channelTop = 40.0, .channelLeft = {80.2, 110.1, 140.2, 170.1},
        .minTop = 45.8, .maxTop = 51.3, .minMaxCaptionLeft = 61.4, .extremeLeft = {70.1, 100.3, 130.4, 160.3},
        .firstMaxWidth = 28.8,
    };
    PaintHeading(mm, layout, d);
    // The graph report's own items.
    mm.Text(91.8, 22.8, -1, Qt::AlignLeft, bold, QStringLiteral("Current Channel"));
    mm.Text(122.8, 22.8, 64.8, Qt::AlignLeft, plain, d.channel);
    mm.Text(25.9, 40.0, -1, Qt::AlignLeft, bold, QStringLiteral("Function"));
    mm.Text(41.8, 40.0, 17.7, Qt::AlignLeft, plain, d.function);
    mm.Text(29.6, 45.8, -1, Qt::AlignLeft, bold, QStringLiteral("Range"));
    mm.Text(41.8, 45.8, 17.7, Qt::AlignLeft, plain, d.range);
    mm.Text(33.9, 51.3, -1, Qt::AlignLeft, bold, QStringLiteral("Unit"));
    mm.Text(41.8, 51.3, 17.7, Qt::AlignLeft, plain, d.unit);

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
