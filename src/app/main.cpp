#include "AppError.h"
#include "ErrorDisplay.h"
#include "Global.h"
#include "TfrmData.h"
#include "TfrmMain.h"

#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

using namespace Zentrix;

namespace {

// For the demo and for looking at a run without a person: start acquiring, and after the given
// seconds save a screenshot and the data file, then end.
void scheduleDemoRun(TfrmMain *frame, int seconds, const QString &screenshot, const QString &dataFile)
{
    QTimer::singleShot(500, frame, [frame] { frame->MenuProcess(2); });
    QTimer::singleShot(500 + seconds * 1000, frame, [frame, screenshot, dataFile] {
        if (!screenshot.isEmpty() && !frame->grab().save(screenshot))
            std::fprintf(stderr, "zentrix: cannot write %s\n", qPrintable(screenshot));
        if (!dataFile.isEmpty()) {
            frmData->ReadWriteFile(dataFile, false);
            CurrentFileName = dataFile;
        }
        frame->MenuProcess(3);
        frame->close();
    });
}

} // namespace

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral("Zentrix: a companion for a bench multimeter"));
    cli.addHelpOption();
    const QCommandLineOption demoRun(QStringLiteral("demo-run"),
                                     QStringLiteral("Start acquiring at once and end after <seconds>."),
                                     QStringLiteral("seconds"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("With --demo-run: save the window to <png>."),
                                        QStringLiteral("png"));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QStringLiteral("With --demo-run: save the data sheet to <file>."),
                                  QStringLiteral("file"));
    cli.addOptions({demoRun, screenshot, save});
    cli.process(app);

    auto *frame = new TfrmMain;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->CreateChildWindows();
    frame->show();
    if (cli.isSet(demoRun)) {
        bool ok = false;
        const int seconds = cli.value(demoRun).toInt(&ok);
        if (!ok || seconds < 1) {
            std::fprintf(stderr, "zentrix: --demo-run wants a number of seconds\n");
            return 2;
        }
        scheduleDemoRun(frame, seconds, cli.value(screenshot), cli.value(save));
    }
    return app.exec();
}
