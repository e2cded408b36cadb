#include "DataReport.h"

#include "PagePainter.h"

#include <QPagedPaintDevice>

namespace Zentrix {

namespace {

constexpr double kTitleMm = 59.0, kDetailMm = 6.35;

void paintTitle(MmPainter &mm, const DataReportData &d)
{
    const QFont plain = ReportFont(10);
    const double band = 190.0;
    static const HeadingLayout layout{
        .titleTop = 4.2,
        .fileLeft = 0, .fileTop = 14.6,
        .dateLeft = 113.0, .dateTop = 14.6, .dateWidth = 75.7,
        .mainTop = 20.1, .mainCaptionLeft = 1.6, .mainLeft = 36.8, .mainWidth = 53.2,
        .triggerTop = 25.9, .captureTop = 31.5,
        .triggerCaptionLeft = 1.3, .captureCaptionLeft = 1.3, .modeLeft = 25.7, .modeWidth = 42.3,
        .delayCaptionLeft = 87.6, .highCaptionLeft = 79.9, .middleLeft = 106.4, .middleWidth = 22.8,
        .valueCaptionLeft = 147.1, .lowCaptionLeft = 140.0, .rightLeft = 168.0, .rightWidth = 21.2,
        .intervalCaptionLeft = 1.3, .intervalCaptionTop = 37.6, .intervalLeft = 1.6, .intervalTop = 43.1,
        .intervalWidth = 21.7,
        .channelTop = 37.0, .channelLeft = {80.7, 110.6, 140.2, 170.7},
        .minTop = 42.9, .maxTop = 48.4, .minMaxCaptionLeft = 60.9, .extremeLeft = {70.4, 100.5, 130.2, 160.6},
        .firstMaxWidth = 28.6,
    };
    PaintHeading(mm, layout, d);
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
