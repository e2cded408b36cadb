#pragma once

#include <QString>

namespace Zentrix {

class MmPainter;

// What both reports print in their title band: file, date, main measurement, the trigger and
// capture settings, the interval and each channel's minimum and maximum.
struct ReportHeading
{
    QString fileName, dateTime, mainMeasurement;
    QString trigger, delay, value, capture, high, low, interval;
    QString min[4], max[4];
};

// Where a report puts those items, in millimetres from the band's top left corner.
struct HeadingLayout
{
    double titleTop;
    double fileLeft, fileTop;
    double dateLeft, dateTop, dateWidth;
    double mainTop, mainCaptionLeft, mainLeft, mainWidth;
    double triggerTop, captureTop;
    double triggerCaptionLeft, captureCaptionLeft, modeLeft, modeWidth;
    double delayCaptionLeft, highCaptionLeft, middleLeft, middleWidth;
    double valueCaptionLeft, lowCaptionLeft, rightLeft, rightWidth;
    double intervalCaptionLeft, intervalCaptionTop, intervalLeft, intervalTop, intervalWidth;
    double channelTop, channelLeft[4];
    double minTop, maxTop, minMaxCaptionLeft, extremeLeft[4], firstMaxWidth;
};

// Paints the heading's captions (bold) and texts; the band is 190 mm wide.
void PaintHeading(MmPainter &mm, const HeadingLayout &at, const ReportHeading &h);

} // namespace Zentrix
