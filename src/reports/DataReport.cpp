#include "DataReport.h"

#include "PagePainter.h"

#include <QPagedPaintDevice>

namespace Zentrix {

namespace {

constexpr double kTitleMm = 59.0, kDetailMm = 6.35;

void paintTitle(MmPainter &mm, const DataReportData &d)
{
    const QFont bold = ReportFont(10, true), plain = ReportFont(10);
    const double band = 190.0;
    mm.Text(0, 4.2, band, Qt::AlignHCenter, ReportFont(12, true), QStringLiteral("Digital Multimeter Report"));
    mm.Text(0, 14.6, -1, Qt::AlignLeft, plain, d.fileName);
    mm.Text(113.0, 14.6, 75.7, Qt::AlignRight, plain, QStringLiteral("Date/Time:") + d.dateTime);
    mm.Text(1.6, 20.1, -1, Qt::AlignLeft, bold, QStringLiteral("Main Measurement"));
    mm.Text(36.8, 20.1, 53.2, Qt::AlignLeft, plain, d.mainMeasurement);
    mm.Text(1.3, 25.9, -1, Qt::AlignLeft, bold, QStringLiteral("TRIGGER"));
    mm.Text(25.7, 25.9, 42.3, Qt::AlignLeft, plain, d.trigger);
    mm.Text(87.6, 25.9, -1, Qt::AlignLeft, bold, QStringLiteral("DELAY"));
    mm.Text(106.4, 25.9, 22.8, Qt::AlignRight, plain, d.delay);
    mm.Text(147.1, 25.9, -1, Qt::AlignLeft, bold, QStringLiteral("VALUE"));
    mm.Text(168.0, 25.9, 21.2, Qt::AlignRight, plain, d.value);
    mm.Text(1.3, 31.5, -1, Qt::AlignLeft, bold, QStringLiteral("CAPTURE"));
    mm.Text(25.7, 31.5, 42.3, Qt::AlignLeft, plain, d.capture);
    mm.Text(79.9, 31.5, -1, Qt::AlignLeft, bold, QStringLiteral("HIGH LIMIT"));
    mm.Text(106.4, 31.5, 22.8, Qt::AlignRight, plain, d.high);
    mm.Text(140.0, 31.5, -1, Qt::AlignLeft, bold, QStringLiteral("LOW LIMIT"));
    mm.Text(168.0, 31.5, 21.2, Qt::AlignRight, plain, d.low);
    mm.Text(1.3, 37.6, -1, Qt::AlignLeft, bold, QStringLiteral("Interval Time"));
    mm.Text(1.6, 43.1, 21.7, Qt::AlignHCenter, plain, d.interval);
    const double channelX[] = {80.7, 110.6, 140.2, 170.7}, valueX[] = {70.4, 100.5, 130.2, 160.6};
    const char *channels[] = {"MAIN", "SUB1", "SUB2", "SUB3"};
    for (int c = 0; c < 4; ++c) {
        mm.Text(channelX[c], 37.0, -1, Qt::AlignLeft, bold, QString::fromLatin1(channels[c]));
        mm.Text(valueX[c], 42.9, 28.6, Qt::AlignLeft, plain, d.min[c]);
        mm.Text(valueX[c], 48.4, 28.6, Qt::AlignLeft, plain, d.max[c]);
    }
    mm.Text(60.9, 42.9, -1, Qt::AlignLeft, bold, QStringLiteral("Min"));
    mm.Text(60.9, 48.4, -1, Qt::AlignLeft, bold, QStringLiteral("Max"));
    const double headX[] = {13.8, 29.4, 61.6, 96.0, 131.0, 167.0};
    const char *heads[] = {"NO", "TIME", "M A I N", "S U B 1", "S U B 2", "S U B 3"};
    for (int i = 0; i < 6; ++i)
        mm.Text(headX[i], 53.7, -1, Qt::AlignLeft, plain, QString::fromLatin1(heads[i]));

    for (auto [a, b] : {std::pair{19.6, 25.4}, std::pair{31.0, 36.5}, std::pair{42.3, 48.1}, std::pair{53.2, 58.7}}) {
        mm.HLine(a, 0, band);
        mm.HLine(b, 0, band);
    }
    mm.SideBox(35.2, 91.8, 19.6, 25.4);
    for (double x : {23.8, 68.8, 99.2, 129.1, 158.8})
        mm.VLine(x + 0.8, 25.4, 53.7);
    mm.VLine(58.7 + 0.8, 36.5, 53.2);
    for (auto [a, b] : {std::pair{20.1, 49.5}, std::pair{84.7, 120.1}, std::pair{155.6, 189.7}})
        mm.SideBox(a, b, 53.2, 58.7, true);
}

void paintDetail(MmPainter &mm, double top, const QStringList &r)
{
    const QFont plain = ReportFont(10);
    const double band = 190.0;
    mm.HLine(top, 0, band, true);
    mm.HLine(top + kDetailMm, 0, band, true);
    for (auto [a, b] : {std::pair{20.1, 49.5}, std::pair{84.7, 120.1}, std::pair{155.6, 189.7}})
        mm.SideBox(a, b, top, top + kDetailMm, true);
    const double y = top + 0.8;
    mm.Text(0.8, y, 18.5, Qt::AlignRight, plain, r.value(0));
    mm.Text(21.2, y, 27.5, Qt::AlignHCenter, plain, r.value(5));
    mm.Text(50.0, y, 34.1, Qt::AlignHCenter, plain, r.value(1));
    mm.Text(85.5, y, 33.9, Qt::AlignHCenter, plain, r.value(2));
    mm.Text(120.9, y, 33.9, Qt::AlignHCenter, plain, r.value(3));
    mm.Text(156.4, y, 33.9, Qt::AlignHCenter, plain, r.value(4));
}

} // namespace

int PaintDataReport(QPagedPaintDevice &device, const DataReportData &data, const NextRecord &next,
                    const std::function<void(int)> &progress)
{
    QPainter p(&device);
    MmPainter mm(p, kMarginMm, kMarginMm);
    paintTitle(mm, data);
    const double bottom = kPageHeightMm - 2 * kMarginMm;
    double y = kTitleMm;
    int pages = 1;
    QStringList record;
    while (next(record)) {
        if (y + kDetailMm > bottom + 1e-6) {
            device.newPage();
            ++pages;
            if (progress)
                progress(pages - 1);
            y = 0;
        }
        paintDetail(mm, y, record);
        y += kDetailMm;
    }
    if (progress)
        progress(pages);
    return pages;
}

} // namespace Zentrix
