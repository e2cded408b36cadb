#include "ReportOutput.h"

#include "AppError.h"
#include "FileDialogs.h"
#include "MessageBox.h"
#include "ModalDialog.h"

#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace Zentrix {

namespace {

std::function<void(const QString &, const ReportPainter &)> g_responder;

void a4(QPagedPaintDevice &d)
{
    d.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

} // namespace

void SetReportResponder(std::function<void(const QString &, const ReportPainter &)> responder)
{
    g_responder = std::move(responder);
}

void RenderToPdf(const QString &fileName, const ReportPainter &paint)
{
    QPdfWriter pdf(fileName);
    pdf.setResolution(600);
    pdf.setTitle(QStringLiteral("Zentrix report"));
    a4(pdf);
    paint(pdf);
    if (!QFile::exists(fileName))
        throw AppError(QStringLiteral("Cannot create file %1").arg(fileName));
}

void PreviewAndPrint(QWidget *owner, const QString &title, const ReportPainter &paint)
{
    if (g_responder) {
        g_responder(title, paint);
        return;
    }
    {
        QPrinter screen(QPrinter::ScreenResolution);
        screen.setFullPage(true);
        a4(screen);
        QPrintPreviewDialog preview(&screen, owner);
        preview.setWindowTitle(title);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter *p) { paint(*p); });
        ExecModal(preview);
    }
    const QPrinterInfo current = QPrinterInfo::defaultPrinter();
    if (current.isNull()) {
        TMessageDlg::show(owner, TMessageDlg::Information,
                          QStringLiteral("No printer is set up on this machine. The report can be saved as a PDF file."));
        TFileDialog save(TFileDialog::Save);
        save.Title = QStringLiteral("Save the report as PDF");
        save.Filter = QStringLiteral("PDF files (*.pdf)");
        save.DefaultExt = QStringLiteral("pdf");
        save.OverwritePrompt = true;
        if (save.Execute(owner))
            RenderToPdf(save.FileName, paint);
        return;
    }
    QPrinter printer(current, QPrinter::HighResolution);
    printer.setFullPage(true);
    a4(printer);
    paint(printer);
}

} // namespace Zentrix
