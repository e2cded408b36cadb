// Data files at the size of a long run: a 1,000,000-row pair opened and replayed into two Graph
// windows, saved again, and a plain Python csv read of the same file as the baseline.
#include "BenchUtil.h"
#include "ErrorDisplay.h"
#include "FileDialogs.h"
#include "Global.h"
#include "DataSheetRules.h"
#include "GridTextFile.h"
#include "MessageBox.h"
#include "TextGrid.h"
#include "TfrmData.h"
#include "TfrmMain.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

using namespace Zentrix;

int main(int argc, char **argv)
{
    BenchProgram program(argc, argv);
    const QTemporaryDir &dir = program.dir;
    const QString name = dir.path() + "/big.DMM";
    const int kRows = qEnvironmentVariableIntValue("ZENTRIX_BENCH_ROWS") > 0 ? qEnvironmentVariableIntValue("ZENTRIX_BENCH_ROWS") : 1000000;
    {
        TextGrid sheet(6, kRows + 1, 1, 1);
        sheet.SetRow(0, {"NO", "MAIN", "SUB1", "SUB2", "SUB3", "TIME"});
        for (int i = 0; i < kRows; ++i)
            sheet.SetRow(i + 1, {QString::number(i),
                                 QStringLiteral("DC%1V   ").arg(QString::number((i % 4000) * 0.001, 'f', 3).rightJustified(7)),
                                 QStringLiteral("FR  50.00Hz  "), QStringLiteral("TE   23.4C   "), QString(13, ' '),
                                 QStringLiteral("12:34:56")});
        SaveGridText(sheet, name);
        TextGrid cfg(6, 4, 0, 0);
        FillConfigGrid(cfg, Settings);
        SaveGridText(cfg, dir.path() + "/big.CFG");
    }

    TfrmMain *frame = program.StartFrame();
    frame->MenuProcess(11); // a second Graph window
    frame->show();
    QCoreApplication::processEvents();
    TMessageDlg::setResponder([](TMessageDlg::Kind, const QString &t) { std::fprintf(stderr, "message: %s\n", qPrintable(t)); });
    TFileDialog::setResponder([&](const TFileDialog &) { return std::optional<QString>(name); });

    QElapsedTimer t;
    t.start();
    frame->MenuProcess(4);
    QCoreApplication::processEvents();
    Report("open_replay_1M_s", t.nsecsElapsed() / 1e9, "s");
    if (SampleCounter != kRows)
        std::fprintf(stderr, "replayed %d rows of %d\n", SampleCounter, kRows);

    t.restart();
    frame->MenuProcess(6);
    Report("save_1M_s", t.nsecsElapsed() / 1e9, "s");

    QProcess py;
    t.restart();
    py.start(QStringLiteral("python3"),
             {QStringLiteral("-c"), QStringLiteral("import csv,sys\nn=0\nfor row in csv.reader(open(sys.argv[1], newline='')): n+=1\nprint(n)"),
              name});
    py.waitForFinished(120000);
    Report("python_csv_read_1M_s", t.nsecsElapsed() / 1e9, "s");
    return 0;
}
