// A Graph window holding a run of 1,000,000 accepted points: append cost, memory per point,
// and the replot of a 100-sample view.
#include "BenchUtil.h"
#include "Chart.h"
#include "ErrorDisplay.h"
#include "Global.h"
#include "TextGrid.h"
#include "TfrmGraph.h"
#include "ViewHost.h"

#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

using namespace Zentrix;

namespace {

struct Host : ViewHost
{
    TextGrid sheet{6, 2, 1, 1};
    void ReplayRow(int, bool, bool, bool) override {}
    void SetAcquisition(bool) override {}
    bool LinkOpen() const override { return true; }
    const TextGrid *DataSheet() const override { return &sheet; }
};

} // namespace

int main(int argc, char **argv)
{
    BenchProgram program(argc, argv);
    Host host;
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    auto *graph = new TfrmGraph(&area, &host);
    graph->subWindow()->resize(760, 500);
    graph->subWindow()->show();
    QCoreApplication::processEvents();

    constexpr int kPoints = 1000000;
    QStringList mains;
    for (int i = 0; i < 1000; ++i)
        mains << QStringLiteral("DC%1V   ").arg(QString::number(std::sin(i / 50.0) * 3, 'f', 3).rightJustified(7));
    const QString blank(13, ' ');
    const long long before = ResidentBytes();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kPoints; ++i) {
        graph->AddSample(true, mains[i % 1000], blank, blank, blank);
        SampleCounter += 1;
        if (i % 1000 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    Report("graph_addsample_us", t.nsecsElapsed() / 1000.0 / kPoints, "us");
    Report("graph_bytes_per_point", double(ResidentBytes() - before) / kPoints, "B");
    Report("graph_series_bytes_per_point", double(graph->Chart1->SeriesBytes()) / kPoints, "B");

    // The view shows the newest 100 samples, as during a run.
    constexpr int kReplots = 50;
    t.restart();
    for (int i = 0; i < kReplots; ++i)
        graph->Chart1->ReplotNow();
    Report("graph_replot_ms_1M_100visible", t.nsecsElapsed() / 1e6 / kReplots, "ms");

    graph->Chart1->ZoomTo(0, kPoints);
    t.restart();
    for (int i = 0; i < 10; ++i)
        graph->Chart1->ReplotNow();
    Report("graph_replot_ms_1M_allvisible", t.nsecsElapsed() / 1e6 / 10, "ms");
    return 0;
}
