#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace Zentrix {

using ReportPainter = std::function<void(QPagedPaintDevice &)>;

// Shows the report in a preview, then prints it to the current printer. A machine without a
// printer says so and offers to save the report as a PDF file instead.
void PreviewAndPrint(QWidget *owner, const QString &title, const ReportPainter &paint);

// Renders the report into a PDF file on A4 paper. Throws "Cannot create file <name>".
void RenderToPdf(const QString &fileName, const ReportPainter &paint);

// Tests take the report here instead of a preview and a printer.
void SetReportResponder(std::function<void(const QString &title, const ReportPainter &)> responder);

} // namespace Zentrix
