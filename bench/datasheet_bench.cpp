// The data sheet at the size of a days-long run: 1,000,000 rows added through AddRow.
#include "BenchUtil.h"
#include "ErrorDisplay.h"
#include "Global.h"
#include "GridView.h"
#include "TextGrid.h"
#include "TfrmData.h"

#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace Zentrix;

int main(int argc, char **argv)
{
    BenchProgram program(argc, argv);
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    auto *data = new TfrmData(&area);
    data->subWindow()->show();
    QCoreApplication::processEvents();

    constexpr int kRows = 1000000;
    QStringList mains;
    for (int i = 0; i < 1000; ++i)
        mains << QStringLiteral("DC %1 mV ").arg(QString::number(i * 0.731, 'f', 3).rightJustified(7));
    const QString sub1 = QStringLiteral("AC  0.000 V  ");
    const QString sub2 = QStringLiteral("FR 50.000 Hz ");
    const QString sub3 = QStringLiteral("             ");

    const long long before = ResidentBytes();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kRows; ++i) {
        data->AddRow(QString::number(i), mains[i % 1000], sub1, sub2, sub3, QString());
        if (i % 4096 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    const double elapsedUs = t.nsecsElapsed() / 1000.0;
    const long long after = ResidentBytes();

    Report("datasheet_addrow_us", elapsedUs / kRows, "us");
    Report("datasheet_bytes_per_row", double(after - before) / kRows, "B");
    Report("datasheet_store_bytes_per_row", double(data->SG1->StorageBytes()) / kRows, "B");

    // Scrolling about the full sheet.
    QScrollBar *bar = data->SG1View->verticalScrollBar();
    t.restart();
    for (int i = 0; i < 200; ++i) {
        bar->setValue(int((long long)bar->maximum() * ((i * 7919) % 200) / 200));
        data->SG1View->viewport()->repaint();
    }
    Report("datasheet_scroll_repaint_ms", t.nsecsElapsed() / 1e6 / 200, "ms");

    t.restart();
    data->ClearRows();
    Report("datasheet_clear_1M_ms", t.nsecsElapsed() / 1e6, "ms");
    return 0;
}
