#include "ReportHeading.h"

#include "PagePainter.h"

namespace Zentrix {

void PaintHeading(MmPainter &mm, const HeadingLayout &at, const ReportHeading &h)
{
    const QFont bold = ReportFont(10, true), plain = ReportFont(10);
    auto caption = [&](double left, double top, const char *text) {
        mm.Text(left, top, -1, Qt::AlignLeft, bold, QString::fromLatin1(text));
    };
    mm.Text(0, at.titleTop, 190.0, Qt::AlignHCenter, ReportFont(12, true), QStringLiteral("Digital Multimeter Report"));
    mm.Text(at.fileLeft, at.fileTop, -1, Qt::AlignLeft, plain, h.fileName);
    mm.Text(at.dateLeft, at.dateTop, at.dateWidth, Qt::AlignRight, plain, QStringLiteral("Date/Time:") + h.dateTime);
    caption(at.mainCaptionLeft, at.mainTop, "Main Measurement");
    mm.Text(at.mainLeft, at.mainTop, at.mainWidth, Qt::AlignLeft, plain, h.mainMeasurement);

    caption(at.triggerCaptionLeft, at.triggerTop, "TRIGGER");
    mm.Text(at.modeLeft, at.triggerTop, at.modeWidth, Qt::AlignLeft, plain, h.trigger);
    caption(at.delayCaptionLeft, at.triggerTop, "DELAY");
    mm.Text(at.middleLeft, at.triggerTop, at.middleWidth, Qt::AlignRight, plain, h.delay);
    caption(at.valueCaptionLeft, at.triggerTop, "VALUE");
    mm.Text(at.rightLeft, at.triggerTop, at.rightWidth, Qt::AlignRight, plain, h.value);
    caption(at.captureCaptionLeft, at.captureTop, "CAPTURE");
    mm.Text(at.modeLeft, at.captureTop, at.modeWidth, Qt::AlignLeft, plain, h.capture);
    caption(at.highCaptionLeft, at.captureTop, "HIGH LIMIT");
    mm.Text(at.middleLeft, at.captureTop, at.middleWidth, Qt::AlignRight, plain, h.high);
    caption(at.lowCaptionLeft, at.captureTop, "LOW LIMIT");
    mm.Text(at.rightLeft, at.captureTop, at.rightWidth, Qt::AlignRight, plain, h.low);

    caption(at.intervalCaptionLeft, at.intervalCaptionTop, "Interval Time");
    mm.Text(at.intervalLeft, at.intervalTop, at.intervalWidth, Qt::AlignHCenter, plain, h.interval);
    const char *channels[] = {"MAIN", "SUB1", "SUB2", "SUB3"};
    for (int c = 0; c < 4; ++c) {
        caption(at.channelLeft[c], at.channelTop, channels[c]);
        mm.Text(at.extremeLeft[c], at.minTop, 28.6, Qt::AlignLeft, plain, h.min[c]);
        mm.Text(at.extremeLeft[c], at.maxTop, c == 0 ? at.firstMaxWidth : 28.6, Qt::AlignLeft, plain, h.max[c]);
    }
    caption(at.minMaxCaptionLeft, at.minTop, "Min");
    caption(at.minMaxCaptionLeft, at.maxTop, "Max");
}

} // namespace Zentrix
