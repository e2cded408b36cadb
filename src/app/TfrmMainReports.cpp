// The frame's two reports: the active graph, and the data sheet as a table.
#include "AppError.h"
#include "Chart.h"
#include "Controls.h"
#include "DataReport.h"
#include "Global.h"
#include "GraphReport.h"
#include "ReportOutput.h"
#include "ReportTexts.h"
#include "TextGrid.h"
#include "TfrmData.h"
#include "TfrmGraph.h"
#include "TfrmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressDialog>

namespace Zentrix {

namespace {

QString printedAt() { return QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat); }

void fillSettingsTexts(ReportHeading &d)
{
    d.trigger = TriggerText(Settings.TRIGGER);
    d.delay = QString::number(Settings.DELAY);
    d.value = Settings.VALUE;
    d.capture = CaptureText(Settings.CAPTURE);
    d.high = Settings.HIGH;
    d.low = Settings.LOW;
    d.interval = IntervalText(Settings.INTERVAL);
    const SummaryTexts s = SummaryTextsOf(*frmData->SG3);
    for (int c = 0; c < 4; ++c) {
        d.min[c] = s.min[c];
        d.max[c] = s.max[c];
    }
    d.fileName = CurrentFileName;
    d.dateTime = printedAt();
}

} // namespace

void TfrmMain::Print_Graph()
{
    QMdiSubWindow *active = MdiArea->activeSubWindow();
    auto *graph = active ? qobject_cast<TfrmGraph *>(active->widget()) : nullptr;
    if (!graph) {
        QApplication::beep();
        MessageDlg1.setKind(TMessageDlg::Error);
        MessageDlg1.execute(QStringLiteral("Graph Not Selected !"));
        return;
    }
    GraphReportData d;
    // The report chart takes the graph's vertical range, minimum first, as the chart does.
    const TChartAxis &left = graph->Chart1->LeftAxis(), &bottom = graph->Chart1->BottomAxis();
    d.vertical.SetMinimum(left.Minimum());
    d.vertical.SetMaximum(left.Maximum());
    d.vertical.Increment = left.Increment();
    d.vertical.LabelFormat = left.LabelFormat();
    d.horizontal.SetMaximum(bottom.Maximum());
    d.horizontal.SetMinimum(bottom.Minimum());
    d.points = graph->Chart1->PointsIn(bottom.Minimum(), bottom.Maximum());
    fillSettingsTexts(d);
    d.function = graph->pnlFunc->text();
    d.range = RangeText(graph->Scale.RangeMax, graph->Scale.ValueFormat);
    d.unit = graph->pnlUnit->text();
    d.mainMeasurement = MainMeasurementText(graph->LastMainLine);
    d.channel = graph->cbChannel->currentText();
    PreviewAndPrint(this, QStringLiteral("Graph Print"), [&d](QPagedPaintDevice &device) { PaintGraphReport(device, d); });
}

void TfrmMain::Print_Datasheet()
{
    const QString tableFile = AppPath + QStringLiteral("PRNTMP.DMM");
    if (QFile::exists(tableFile))
        QFile::remove(tableFile);
    TmpData.Close();
    TmpData.SetSchemaFile(AppPath + QStringLiteral("ZENTRIX.SCH"));
    TmpData.SetDataFile(tableFile);
    TmpData.Open();
    const TextGrid &sheet = *frmData->SG1;
    const int rows = sheet.RowCount() - 1;
    for (int r = 1; r <= rows; ++r) {
        TmpData.Append();
        const QStringList cells = sheet.Row(r);
        for (int c = 0; c < 6; ++c)
            TmpData.SetField(c, cells.value(c));
        TmpData.Post();
    }
    // However the report ends, the table is closed with its records written.
    struct CloseTable
    {
        TAsciiTable &t;
        ~CloseTable() { t.Close(); }
    } closeTable{TmpData};
    TmpData.Flush();

    DataReportData d;
    fillSettingsTexts(d);
    d.mainMeasurement = MainMeasurementText(sheet.Cell(1, 1));
    const TAsciiTable &table = TmpData;
    PreviewAndPrint(this, QStringLiteral("Data Print"), [&](QPagedPaintDevice &device) {
        QFile in(tableFile);
        if (!in.open(QIODevice::ReadOnly))
            throw AppError(QStringLiteral("Error opening text file: %1").arg(tableFile));
        // A long sheet shows how far the pages have come.
        std::unique_ptr<QProgressDialog> progress;
        const int pages = 1 + rows / 40;
        if (pages > 20 && qobject_cast<QApplication *>(QCoreApplication::instance())) {
            progress = std::make_unique<QProgressDialog>(QStringLiteral("Printing the data sheet..."), QString(), 0, pages, this);
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(500);
        }
        PaintDataReport(
            device, d,
            [&](QStringList &record) {
                if (in.atEnd())
                    return false;
                record = table.Split(in.readLine());
                return true;
            },
            [&](int page) {
                if (progress)
                    progress->setValue(std::min(page, pages));
            });
    });
}

} // namespace Zentrix
