#include "Controls.h"
#include "Responders.h"
#include "SerialPort.h"
#include "TestDir.h"
#include "TextGrid.h"
#include "TfrmData.h"
#include "TfrmGauge.h"
#include "TfrmGraph.h"
#include "TfrmMain.h"
#include "TfrmConfig.h"
#include "TfrmDebug.h"

#include <QPlainTextEdit>
#include "Chart.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace Zentrix;

namespace {

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The program with COM1 pointed at a simulated meter.
class EndToEnd : public ::testing::Test
{
protected:
    TestProgramDir program;
    Responders answer;
    QProcess sim;
    std::unique_ptr<TfrmMain> frame;

    void startMeter(const QStringList &args)
    {
        const QString link = program.path("meter");
        sim.setProgram(qEnvironmentVariable("ZENTRIX_BIN_DIR") + "/dmm-sim");
        sim.setArguments(QStringList({"--link", link, "--seed", "7"}) + args);
        sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim.start();
        ASSERT_TRUE(sim.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(link); }, 5000));
    }
    void startProgram(const QByteArray &extra = {})
    {
        program.writeIni("[ZENTRIX]\nINTERVAL=1\nCOUNTREP=1\n" + extra + "[PORTS]\nCOM1=" +
                         program.path("meter").toUtf8() + "\nCOM2=" + program.path("nothing-here").toUtf8() +
                         "\n[MODEL]\nNAME1=1Test bench\n");
        frame = std::make_unique<TfrmMain>();
        frame->CreateChildWindows();
        frame->show();
    }
    void TearDown() override
    {
        frame.reset();
        if (sim.state() != QProcess::NotRunning) {
            sim.terminate();
            sim.waitForFinished(3000);
        }
    }
    int rows() const { return frmData->FirstRowFree ? 0 : frmData->SG1->RowCount() - 1; }
};

TEST_F(EndToEnd, SamplesBecomeNumberedTimeStampedRows)
{
    startMeter({"--scenario", "dcv"});
    startProgram();
    QTest::mouseClick(frame->btnOnline, Qt::LeftButton);
    ASSERT_TRUE(answer.messages.empty()) << answer.messages[0].text.toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows() >= 3; }, 8000));
    QTest::mouseClick(frame->btnOffline, Qt::LeftButton);
    const QRegularExpression time("^\\d\\d:\\d\\d:\\d\\d$"), dc("^DC [ -]\\d\\.\\d{3}V   $");
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(frmData->SG1->Cell(0, r), QString::number(r - 1));
        EXPECT_TRUE(dc.match(frmData->SG1->Cell(1, r)).hasMatch()) << frmData->SG1->Cell(1, r).toStdString();
        EXPECT_EQ(frmData->SG1->Cell(2, r).left(3), "FR ");
        EXPECT_TRUE(time.match(frmData->SG1->Cell(5, r)).hasMatch());
    }
    EXPECT_FALSE(frmData->SG3->Cell(1, 2).isEmpty());
}

TEST_F(EndToEnd, TwoGraphsAndTwoGaugesOnTheirOwnChannels)
{
    startMeter({"--scenario", "dcv"});
    startProgram("[FORM]\nGRAPH1=0,0,470,250\nGRAPH2=0,250,470,190\nDataSheet=470,200,300,240\n");
    TfrmGraph *graph1 = frmGraph;
    TfrmGauge *gauge1 = frmGauge;
    frame->MenuProcess(11);
    TfrmGraph *graph2 = frmGraph;
    graph2->cbChannel->setCurrentIndex(1);
    frame->MenuProcess(12);
    TfrmGauge *gauge2 = frmGauge;
    gauge2->cbChannel->setCurrentIndex(2);
    gauge1->subWindow()->move(470, 0);
    gauge1->subWindow()->resize(150, 200);
    gauge2->subWindow()->move(620, 0);
    gauge2->subWindow()->resize(150, 200);
    frame->MenuProcess(2);
    EXPECT_FALSE(graph1->cbChannel->isEnabled());
    EXPECT_FALSE(gauge2->cbChannel->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows() >= 4; }, 10000));
    frame->MenuProcess(3);
    EXPECT_TRUE(graph1->cbChannel->isEnabled());
    EXPECT_EQ(graph1->Chart1->Count(), rows());
    EXPECT_EQ(graph2->Chart1->Count(), rows());
    const int last = rows();
    EXPECT_DOUBLE_EQ(graph1->Chart1->YValue(last - 1), frmData->SG1->Cell(1, last).mid(2, 7).toDouble());
    EXPECT_DOUBLE_EQ(graph2->Chart1->YValue(last - 1), frmData->SG1->Cell(2, last).mid(2, 7).toDouble());
    EXPECT_EQ(graph2->pnlFunc->text(), "FREQ");
    EXPECT_EQ(gauge1->lblData->text(), frmData->SG1->Cell(1, last).mid(2, 7));
    EXPECT_EQ(gauge2->lblData->text(), frmData->SG1->Cell(3, last).mid(2, 7));
    if (const QString shots = qEnvironmentVariable("ZENTRIX_SHOT_DIR"); !shots.isEmpty())
        frame->grab().save(shots + "/two-graphs-two-gauges.png");
}

TEST_F(EndToEnd, TraceWindowDuringARun)
{
    startMeter({"--scenario", "ohm"});
    startProgram();
    frame->MenuProcess(77);
    frame->MenuProcess(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows() >= 4; }, 10000));
    frame->MenuProcess(3);
    ASSERT_TRUE(frmDebug);
    const QStringList lines = frmDebug->Memo1->toPlainText().split('\n');
    EXPECT_EQ(lines.size(), 4 * rows());
    EXPECT_EQ(lines[0], frmData->SG1->Cell(1, 1));
    if (const QString shots = qEnvironmentVariable("ZENTRIX_SHOT_DIR"); !shots.isEmpty()) {
        frmDebug->grab().save(shots + "/trace-window.png");
        TfrmConfig dialog(frame.get());
        dialog.show();
        dialog.grab().save(shots + "/configuration.png");
    }
}

TEST_F(EndToEnd, CountedRunEndsWithItsMessage)
{
    startMeter({"--scenario", "ohm"});
    startProgram("COUNTREP=0\nCOUNT=4\n");
    frame->MenuProcess(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.messages.empty(); }, 10000));
    EXPECT_EQ(answer.messages[0].text, "Samples completed(4)");
    EXPECT_EQ(rows(), 4);
    // Overloads are kept as the meter sent them and rank above every number.
    EXPECT_EQ(frmData->SG1->Cell(1, 4).mid(2, 7), "     OL");
    EXPECT_EQ(frmData->SG3->Cell(1, 4), "OL");
    EXPECT_TRUE(frame->btnOnline->isEnabled());
}

TEST_F(EndToEnd, SilentMeterEndsTheRunAfterThreePolls)
{
    startMeter({"--silent-after", "1"});
    startProgram();
    frame->MenuProcess(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.messages.empty(); }, 12000));
    EXPECT_EQ(answer.messages[0].text, "Check Your System (Unit or COM1)");
    EXPECT_EQ(rows(), 1);
    EXPECT_FALSE(frame->RTimer->isActive());
}

TEST_F(EndToEnd, UnpluggedMeterEndsTheRunWithoutABusyLoop)
{
    startMeter({"--exit-after", "2"});
    startProgram();
    frame->MenuProcess(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.messages.empty(); }, 12000));
    EXPECT_EQ(rows(), 2);
    EXPECT_TRUE(frame->btnOnline->isEnabled());
    EXPECT_FALSE(frame->Comm1->IsOpen());
    const double before = cpuSeconds();
    QTest::qWait(1000);
    EXPECT_LT(cpuSeconds() - before, 0.5);
}

TEST_F(EndToEnd, MissingPortGivesTheErrorAndStaysIdle)
{
    startProgram("PORT=2\n");
    QTest::mouseClick(frame->btnOnline, Qt::LeftButton);
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.messages[0].kind, TMessageDlg::Error);
    EXPECT_TRUE(answer.messages[0].text.contains(program.path("nothing-here")))
        << answer.messages[0].text.toStdString();
    EXPECT_TRUE(frame->btnOnline->isEnabled());
    EXPECT_FALSE(frame->btnOffline->isEnabled());
    EXPECT_FALSE(frame->RTimer->isActive());
}

} // namespace
