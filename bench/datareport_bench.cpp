// The data sheet report of 100,000 rows rendered to a PDF file: time and peak memory.
#include "BenchUtil.h"
#include "ErrorDisplay.h"
#include "Global.h"
#include "ReportOutput.h"
#include "TextGrid.h"
#include "TfrmData.h"
#include "TfrmMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

using namespace Zentrix;

namespace {

double peakRssMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    BenchProgram program(argc, argv);
    const QTemporaryDir &dir = program.dir;
    QFile::copy(QStringLiteral(ZENTRIX_SOURCE_DIR "/data/ZENTRIX.SCH"), dir.path() + "/ZENTRIX.SCH");
    TfrmMain *frame = program.StartFrame();
    constexpr int kRows = 100000;
    for (int i = 0; i < kRows; ++i)
        frmData->AddRow(QString::number(i), QStringLiteral("DC  1.234V   "), QStringLiteral("FR  50.00Hz  "),
                        QStringLiteral("TE   23.4C   "), QString(13, ' '), QStringLiteral("12:34:56"));
    const double before = peakRssMb();
    const QString pdf = dir.path() + "/report.pdf";
    SetReportResponder([&](const QString &, const ReportPainter &paint) { RenderToPdf(pdf, paint); });
    QElapsedTimer t;
    t.start();
    frame->Print_Datasheet();
    Report("datareport_100k_pdf_s", t.nsecsElapsed() / 1e9, "s");
    Report("datareport_100k_peak_rss_mb", peakRssMb(), "MB");
    Report("datareport_100k_peak_rss_growth_mb", peakRssMb() - before, "MB");
    return 0;
}
