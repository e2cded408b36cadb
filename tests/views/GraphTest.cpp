#include "AppError.h"
#include "Chart.h"
#include "Controls.h"
#include "FakeHost.h"
#include "Responders.h"
#include "TestDir.h"
#include "TfrmGraph.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSlider>
#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

QString dc(const QString &value, const QString &unit = "V") { return "DC" + value.rightJustified(7) + unit.leftJustified(4); }
const QString kBlank(13, ' ');

class Graph : public ::testing::Test
{
protected:
    TestProgramDir program;
    Responders answer;
    FakeHost host;
    QMdiArea area;
    TfrmGraph *graph = nullptr;

    void SetUp() override
    {
        area.resize(900, 700);
        graph = new TfrmGraph(&area, &host);
    }
    // One poll: the graph sees it, then the pipeline numbers the next one.
    void poll(const QString &main, bool accepted = true, const QString &sub1 = kBlank)
    {
        graph->AddSample(accepted, main, sub1, kBlank, kBlank);
        SampleCounter += 1;
    }
    TChartAxis &bottom() { return graph->Chart1->BottomAxis(); }
    TChartAxis &left() { return graph->Chart1->LeftAxis(); }
};

TEST_F(Graph, Creation)
{
    EXPECT_EQ(graph->subWindow()->windowTitle(), "MAIN Graph");
    EXPECT_EQ(graph->subWindow()->geometry(), QRect(0, 0, 540, 400));
    EXPECT_EQ(GraphCount, 1);
    EXPECT_DOUBLE_EQ(left().Minimum(), -4.1);
    EXPECT_DOUBLE_EQ(left().Maximum(), 4);
    EXPECT_DOUBLE_EQ(left().Increment(), 1);
    EXPECT_EQ(left().LabelFormat(), "###0.00");
    EXPECT_DOUBLE_EQ(bottom().Minimum(), 0);
    EXPECT_DOUBLE_EQ(bottom().Maximum(), 100);
    EXPECT_EQ(graph->CbBackColor->Color(), QColor(Qt::black));
    EXPECT_EQ(graph->Chart1->SeriesColor(), QColor(0, 255, 0));
    EXPECT_TRUE(graph->chkRange->isChecked() && graph->ChkGridX->isChecked() && graph->ChkGridY->isChecked());
    EXPECT_DOUBLE_EQ(graph->eYhigh->Value(), 400);
    EXPECT_DOUBLE_EQ(graph->eYLow->Value(), -400);
    // A window opened during a run starts its view at the current sample.
    SampleCounter = 250;
    Settings.CHANNEL = 2;
    auto *second = new TfrmGraph(&area, &host);
    EXPECT_DOUBLE_EQ(second->Chart1->BottomAxis().Minimum(), 250);
    EXPECT_DOUBLE_EQ(second->Chart1->BottomAxis().Maximum(), 350);
    EXPECT_EQ(second->subWindow()->windowTitle(), "SUB2 Graph");
    EXPECT_EQ(GraphCount, 2);
}

TEST_F(Graph, FirstAndSecondSampleAfterAClear)
{
    host.linkOpen = true;
    graph->ClearGraph();
    poll(dc("1.000"));
    EXPECT_EQ(graph->Chart1->Count(), 1);
    EXPECT_DOUBLE_EQ(graph->Chart1->XValue(0), 0);
    EXPECT_DOUBLE_EQ(graph->Chart1->YValue(0), 1.0);
    EXPECT_EQ(graph->TrackBar1->maximum(), 0);
    EXPECT_EQ(graph->TrackBar1->value(), 0);
    poll(dc("2.000"));
    EXPECT_DOUBLE_EQ(graph->Chart1->CursorX(), 1);
    EXPECT_EQ(graph->TrackBar1->value(), 1);
    EXPECT_EQ(graph->pnlFunc->text(), "DC");
    EXPECT_EQ(graph->pnlData->text(), "  2.000");
    EXPECT_EQ(graph->pnlUnit->text(), "V");
    EXPECT_EQ(graph->lblMin->text(), "  1.000");
    EXPECT_EQ(graph->lblMax->text(), "  2.000");
    // Auto Graph follows the scale: 4 counts with three decimals.
    EXPECT_EQ(left().LabelFormat(), "#0.000");
    EXPECT_DOUBLE_EQ(left().Minimum(), -4.1);
    EXPECT_DOUBLE_EQ(left().Maximum(), 4.1);
}

TEST_F(Graph, TheViewScrollsBySamples)
{
    for (int i = 0; i < 100; ++i)
        poll(dc("1.000"));
    EXPECT_DOUBLE_EQ(bottom().Minimum(), 0);
    EXPECT_DOUBLE_EQ(bottom().Maximum(), 100);
    poll(dc("1.000")); // sample 100
    EXPECT_DOUBLE_EQ(bottom().Minimum(), 1);
    EXPECT_DOUBLE_EQ(bottom().Maximum(), 101);
    poll(dc("1.000"));
    EXPECT_DOUBLE_EQ(bottom().Minimum(), 2);
    EXPECT_DOUBLE_EQ(bottom().Maximum(), 102);
}

TEST_F(Graph, OverloadsSitAtTheRangeEnds)
{
    poll(dc("OL"));
    EXPECT_EQ(graph->lblMax->text(), "OL");
    EXPECT_EQ(graph->lblMin->text(), "OL");
    EXPECT_DOUBLE_EQ(graph->Chart1->YValue(0), graph->Scale.RangeMax);
    poll(dc("-O.L"));
    EXPECT_EQ(graph->lblMin->text(), "-O.L");
    EXPECT_EQ(graph->lblMax->text(), "OL");
    EXPECT_DOUBLE_EQ(graph->Chart1->YValue(1), graph->Scale.RangeMin);
    // Not a number: shown, not plotted.
    poll(dc("----"));
    EXPECT_EQ(graph->Chart1->Count(), 2);
    EXPECT_EQ(graph->pnlData->text(), "   ----");
}

TEST_F(Graph, ARefusedSampleLeavesAGap)
{
    poll(dc("1.000"));
    poll(dc("3.000"), false);
    EXPECT_EQ(graph->Chart1->Count(), 1);
    EXPECT_EQ(graph->lblMax->text(), "  3.000"); // labels follow every poll
    EXPECT_EQ(graph->pnlData->text(), "  3.000");
    poll(dc("2.000"));
    ASSERT_EQ(graph->Chart1->Count(), 2);
    EXPECT_DOUBLE_EQ(graph->Chart1->XValue(1), 2);
    // The cursor stands on the sample of the point, not on the point's index.
    EXPECT_DOUBLE_EQ(graph->Chart1->CursorX(), 2);
    EXPECT_EQ(host.replayedRows.back(), 3);

    // Browsing afterwards: position 1 is sample 2, row 3 of the sheet.
    host.sheet.SetRowCount(4);
    host.sheet.SetRow(3, {"2", dc("2.000"), "", "", "", ""});
    host.replayedRows.clear();
    graph->TrackBar1->setValue(0);
    graph->TrackBar1->setValue(1);
    EXPECT_EQ(host.replayedRows, std::vector<int>({1, 3}));
    EXPECT_EQ(graph->pnlData->text(), "  2.000");
}

TEST_F(Graph, DuringARunTheTrackBarLeavesTheGaugesToTheLiveSamples)
{
    host.linkOpen = true;
    for (int i = 0; i < 3; ++i)
        poll(dc("1.000"));
    EXPECT_TRUE(host.replayedRows.empty());
    EXPECT_DOUBLE_EQ(graph->Chart1->CursorX(), 2);
}

TEST_F(Graph, RangeWarningAfterAClearButNotAfterCreation)
{
    const QString noUnit = dc("1.000", "");
    poll(noUnit);
    EXPECT_TRUE(answer.messages.empty());
    EXPECT_EQ(graph->Chart1->Count(), 1);
    graph->ClearGraph();
    poll(noUnit);
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.messages[0].kind, TMessageDlg::Warning);
    EXPECT_EQ(answer.messages[0].text, TfrmGraph::RangeWarningText());
    EXPECT_EQ(answer.messages[0].text.count('\r'), 7);
    EXPECT_TRUE(answer.messages[0].text.startsWith("The Meter Setting has been Changed\rData displayed"));
    EXPECT_TRUE(answer.messages[0].text.contains("pressing the \"Function\" button\runtil \"R-H\" is"));
    EXPECT_EQ(host.acquisitionCalls, std::vector<bool>({false}));
    EXPECT_EQ(graph->Chart1->Count(), 0);
}

TEST_F(Graph, BlankChannelShowsError)
{
    graph->cbChannel->setCurrentIndex(1);
    EXPECT_EQ(graph->subWindow()->windowTitle(), "SUB1 Graph");
    EXPECT_EQ(Settings.CHANNEL, 1);
    graph->pnlUnit->setText("mV");
    poll(dc("1.000"), true, "");
    EXPECT_EQ(graph->pnlData->text(), " ERROR ");
    EXPECT_EQ(graph->pnlFunc->text(), "");
    EXPECT_EQ(graph->pnlUnit->text(), "mV");
    EXPECT_EQ(graph->Chart1->Count(), 0);
    EXPECT_TRUE(graph->LastMainLine.isEmpty());
}

TEST_F(Graph, FunctionNames)
{
    const struct
    {
        int channel;
        QString main, line;
        const char *func, *unit;
    } cases[] = {
        {0, "OH  1.234kOhm", "OH  1.234kOhm", "Ohm", "kOhm"}, {0, "FR  50.00Hz  ", "FR  50.00Hz  ", "FREQ", "Hz"},
        {0, "CO  1.234nF  ", "CO  1.234nF  ", "PF", "nF"},    {0, "dB  12.34dB  ", "dB  12.34dB  ", "dB", "dB"},
        {1, "WT  123.4W   ", "$   1.234    ", "P/Hour", "$"}, {1, "WT  123.4W   ", "AC  1.234A   ", "AC", "A"},
        {2, "FR  50.00Hz  ", "    1.234V   ", "DC", "V"},     {3, "LO  0.000    ", "    1.234    ", "DC", "V"},
    };
    for (const auto &c : cases) {
        graph->cbChannel->setCurrentIndex(c.channel);
        QString lines[4] = {c.main, kBlank, kBlank, kBlank};
        lines[c.channel] = c.line;
        graph->AddSample(false, lines[0], lines[1], lines[2], lines[3]);
        EXPECT_EQ(graph->pnlFunc->text(), c.func) << c.line.toStdString();
        EXPECT_EQ(graph->pnlUnit->text(), c.unit) << c.line.toStdString();
    }
}

TEST_F(Graph, AutoGraphOffAndOn)
{
    poll(dc("1.000"));
    graph->chkRange->click(); // off: the current limits, cut to whole numbers
    EXPECT_DOUBLE_EQ(graph->eYhigh->Value(), 4);
    EXPECT_DOUBLE_EQ(graph->eYLow->Value(), -4);
    EXPECT_DOUBLE_EQ(left().Minimum(), -4.1);
    EXPECT_DOUBLE_EQ(left().Maximum(), 4);
    graph->RxSpinButton1->Up->click();
    EXPECT_DOUBLE_EQ(graph->eYhigh->Value(), 5);
    EXPECT_DOUBLE_EQ(left().Maximum(), 5.1);
    EXPECT_EQ(Settings.GMAX, 5);
    graph->RxSpinButton2->Down->click();
    EXPECT_DOUBLE_EQ(left().Minimum(), -5.1);
    EXPECT_EQ(Settings.GOFFSET, -5);
    // A new sample leaves a manual range alone.
    poll(dc("2.000"));
    EXPECT_DOUBLE_EQ(left().Maximum(), 5.1);
    graph->chkRange->click(); // on again: the automatic range, without the upper margin
    EXPECT_DOUBLE_EQ(left().Minimum(), -4.1);
    EXPECT_DOUBLE_EQ(left().Maximum(), 4);
}

TEST_F(Graph, SpinButtonLimits)
{
    graph->chkRange->setChecked(false);
    graph->eYhigh->SetValue(3);
    graph->eYLow->SetValue(2);
    graph->RxSpinButton1BottomClick(); // high - low = 1: nothing
    EXPECT_DOUBLE_EQ(graph->eYhigh->Value(), 3);
    graph->RxSpinButton2TopClick();
    EXPECT_DOUBLE_EQ(graph->eYLow->Value(), 2);
    graph->RxSpinButton2BottomClick();
    EXPECT_DOUBLE_EQ(graph->eYLow->Value(), 1);
    graph->RxSpinButton1BottomClick();
    EXPECT_DOUBLE_EQ(graph->eYhigh->Value(), 2);
    // The top of V-Max moves only while idle; the fields stay within their limits.
    host.linkOpen = true;
    graph->RxSpinButton1TopClick();
    EXPECT_DOUBLE_EQ(graph->eYhigh->Value(), 2);
    host.linkOpen = false;
    graph->eYhigh->SetValue(19999);
    graph->RxSpinButton1TopClick();
    EXPECT_DOUBLE_EQ(graph->eYhigh->Value(), 19999);
    graph->eYLow->SetValue(-30000);
    EXPECT_DOUBLE_EQ(graph->eYLow->Value(), -19999);
}

TEST_F(Graph, AxisRefusesAMinimumAboveItsMaximum)
{
    EXPECT_THROW(left().SetMinimum(5), AppError);
    EXPECT_THROW(left().SetMaximum(-5), AppError);
    EXPECT_DOUBLE_EQ(left().Minimum(), -4.1);
    EXPECT_DOUBLE_EQ(left().Maximum(), 4);
}

TEST_F(Graph, ZoomSetsTheVisibleSpan)
{
    poll(dc("1.000"));
    graph->Chart1->ZoomTo(10, 47.6);
    EXPECT_EQ(graph->Scale.VisibleSpan, 37);
    EXPECT_DOUBLE_EQ(left().Maximum(), graph->Scale.RangeMax);
    graph->Chart1->UndoZoom();
    EXPECT_EQ(graph->Scale.VisibleSpan, 100);
    graph->ClearGraph();
    EXPECT_EQ(graph->Scale.VisibleSpan, 100);
}

TEST_F(Graph, EnableControls)
{
    graph->EnableControls(false);
    for (QWidget *w : {static_cast<QWidget *>(graph->TrackBar1), static_cast<QWidget *>(graph->cbChannel),
                       static_cast<QWidget *>(graph->chkRange), static_cast<QWidget *>(graph->eYhigh),
                       static_cast<QWidget *>(graph->eYLow), static_cast<QWidget *>(graph->RxSpinButton1),
                       static_cast<QWidget *>(graph->RxSpinButton2)})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_TRUE(graph->CbBackColor->isEnabled());
    EXPECT_TRUE(graph->ChkGridX->isEnabled());
    graph->EnableControls(true);
    EXPECT_TRUE(graph->TrackBar1->isEnabled());
}

TEST_F(Graph, ClosingStoresThePlaceUnderTheCount)
{
    auto *second = new TfrmGraph(&area, &host);
    EXPECT_EQ(GraphCount, 2);
    graph->subWindow()->setGeometry(5, 6, 300, 200);
    graph->subWindow()->close();
    EXPECT_EQ(GraphCount, 1);
    EXPECT_TRUE(program.readIni().contains("GRAPH2=5,6,300,200"));
    second->subWindow()->setGeometry(7, 8, 310, 210);
    second->subWindow()->close();
    EXPECT_EQ(GraphCount, 0);
    EXPECT_TRUE(program.readIni().contains("GRAPH1=7,8,310,210"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The next one opens where GRAPH1 says.
    auto *third = new TfrmGraph(&area, &host);
    EXPECT_EQ(third->subWindow()->geometry(), QRect(7, 8, 310, 210));
}

} // namespace
