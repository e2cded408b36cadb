#pragma once

#include "ValueRules.h"

#include <QString>

namespace Zentrix {

class TextGrid;
struct TSettings;

// Summary grid layout: rows of the min/max times and values.
enum SummaryRow { srMinTime = 1, srMinValue = 2, srMaxTime = 3, srMaxValue = 4 };

// The four reading lines and the time of a stored data sheet row, as a replay hands them on:
// each cell with a carriage return after it, at most 255 characters; cells of fewer than 12
// characters become 13 blanks and a carriage return.
struct ReplayedRow
{
    QString main, sub1, sub2, sub3, time;
};
ReplayedRow ReplayRowLines(const TextGrid &sheet, int row);

// The judged minimum and maximum of one summary column, kept beside the grid so that each sample
// is compared without reading the stored texts again. Blank after a reset, as the cells are.
struct ChannelExtremes
{
    ValueJudge min, max;
};

// Folds the value of one reading line into column col of the summary grid, stamped with stamp.
void FoldChannelSummary(TextGrid &summary, int col, const QString &line, const QString &stamp, ChannelExtremes &extremes);

// The companion grid (4 x 6) from the settings.
void FillConfigGrid(TextGrid &config, const TSettings &s);

} // namespace Zentrix
