#pragma once

#include "ReportHeading.h"

#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;

namespace Zentrix {

// The data sheet report prints the common heading only.
using DataReportData = ReportHeading;

// One detail record: NO, Main, Sub1, Sub2, Sub3, TIME. Answers false after the last one.
using NextRecord = std::function<bool(QStringList &record)>;

// The title band on the first page, then one 6.35 mm detail line a record over as many pages
// as they need; each page is finished before the next is drawn. progress(pages) after each page.
int PaintDataReport(QPagedPaintDevice &device, const DataReportData &data, const NextRecord &next,
                    const std::function<void(int)> &progress = {});

} // namespace Zentrix
