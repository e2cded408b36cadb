#include "FakePort.h"
#include "LocaleFormat.h"
#include "Responders.h"
#include "StatusLight.h"
#include "TestDir.h"
#include "TextGrid.h"
#include "TfrmData.h"
#include "TfrmDebug.h"
#include "TfrmMain.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <QCoreApplication>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

const QString kLine2 = "AC  0.000V   ", kLine3 = "FR 50.000Hz  ", kLine4 = "             ";

QString mainLine(const QString &value) { return "DC" + value.rightJustified(7) + "V   "; }
QString response(const QString &main, const QString &s1 = kLine2, const QString &s2 = kLine3,
                 const QString &s3 = kLine4)
{
    return main + '\r' + s1 + '\r' + s2 + '\r' + s3 + '\r';
}

class Acquisition : public ::testing::Test
{
protected:
    TestProgramDir program;
    Responders answer;
    std::unique_ptr<TfrmMain> frame;
    FakePort *port = nullptr;

    void SetUp() override
    {
        frame = std::make_unique<TfrmMain>();
        frame->CreateChildWindows();
        auto p = std::make_unique<FakePort>();
        port = p.get();
        frame->SetComm(std::move(p));
        Settings.COUNTREP = true;
    }
    void start() { frame->MenuProcess(2); }
    // One poll and the meter's answer in notifications of the given size.
    void sample(const QString &text, int piece = 0)
    {
        frame->RTimerTimer();
        port->receive(text, piece);
    }
    int rows() const { return frmData->FirstRowFree ? 0 : frmData->SG1->RowCount() - 1; }
    QString cell(int col, int row) const { return frmData->SG1->Cell(col, row); }
};

TEST_F(Acquisition, StartOpensThePortAndPollsEveryInterval)
{
    Settings.PORT = 4;
    Settings.INTERVAL = 3;
    start();
    EXPECT_TRUE(port->open);
    EXPECT_EQ(port->PortNumber(), 4);
    EXPECT_TRUE(frame->RTimer->isActive());
    EXPECT_EQ(frame->RTimer->interval(), 3000);
    EXPECT_FALSE(frame->btnOnline->isEnabled());
    EXPECT_TRUE(frame->btnOffline->isEnabled());
    // No poll goes out before the first tick.
    EXPECT_TRUE(port->sent.isEmpty());
    const bool tx = frame->lightTX->Lit();
    frame->RTimerTimer();
    EXPECT_EQ(port->sent, QStringList({"D"}));
    EXPECT_NE(frame->lightTX->Lit(), tx);
    frame->MenuProcess(3);
    EXPECT_FALSE(port->open);
    EXPECT_FALSE(frame->RTimer->isActive());
    EXPECT_TRUE(frame->btnOnline->isEnabled());
}

TEST_F(Acquisition, ResponseLengthsAndMainLines)
{
    struct Case
    {
        const char *name;
        QString text;
        int mainChannel;
        bool sample;
    };
    const Case cases[] = {
        {"56 characters", response(mainLine("1.0")), 0, true},
        {"55 characters", response(mainLine("1.0"), kLine2, kLine3, kLine4.left(12)), 0, true},
        {"54 characters", response(mainLine("1.0"), kLine2.left(12), kLine3, kLine4.left(12)), 0, false},
        {"main line of 12", response(mainLine("1.0").left(12), kLine2 + "x", kLine3, kLine4), 0, false},
        {"main line of 13, others empty", response(mainLine("1.0"), "", "", QString(42, ' ')), 0, true},
        {"SUB2 chosen and short", response(mainLine("1.0"), kLine2 + "x", kLine3.left(12), kLine4), 2, false},
    };
    for (const Case &c : cases) {
        Settings.MAINCHANNEL = c.mainChannel;
        start();
        const bool rx = frame->lightRX->Lit();
        sample(c.text);
        EXPECT_EQ(rows(), c.sample ? 1 : 0) << c.name;
        // Processed or dropped, it counts as an answer.
        EXPECT_EQ(frame->Link.NoReplyCount, 0) << c.name;
        EXPECT_NE(frame->lightRX->Lit(), rx) << c.name;
        EXPECT_TRUE(answer.messages.empty()) << c.name;
    }
}

TEST_F(Acquisition, NotificationsOfAnySizeGiveTheSameSamples)
{
    const QString a = response(mainLine("1.0")), b = response(mainLine("2.0"));
    for (int piece : {0, 1, 3, 7, 56, 112}) {
        start();
        frame->RTimerTimer();
        port->receive(a + b, piece);
        ASSERT_EQ(rows(), 2) << piece;
        EXPECT_EQ(cell(0, 1), "0");
        EXPECT_EQ(cell(1, 1), mainLine("1.0"));
        EXPECT_EQ(cell(0, 2), "1");
        EXPECT_EQ(cell(1, 2), mainLine("2.0"));
        EXPECT_EQ(cell(4, 2), kLine4);
    }
}

TEST_F(Acquisition, TornResponseDoesNotMisframeTheNext)
{
    start();
    frame->RTimerTimer();
    port->receive("DC  1.0V     \rAC  0.0"); // the meter stops half-way
    frame->RTimerTimer();
    port->receive(response(mainLine("3.0")));
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(cell(1, 1), mainLine("3.0"));
    EXPECT_EQ(cell(2, 1), kLine2);
}

TEST_F(Acquisition, ResponsesAreNormalised)
{
    start();
    sample(response("CO  1.234nF  ", "xxCOxCOxxxxxx"));
    EXPECT_EQ(cell(1, 1), "PF  1.234nF  ");
    EXPECT_EQ(cell(2, 1), "xxPFxPFxxxxxx");
    SetDecimalSeparator(',');
    start();
    sample(response(mainLine("1.234")));
    EXPECT_EQ(cell(1, 1), mainLine("1,234"));
    EXPECT_EQ(frmData->SG3->Cell(1, 4), "1,234");
}

TEST_F(Acquisition, SampleCountEndsTheRun)
{
    Settings.COUNTREP = false;
    Settings.COUNT = 2;
    start();
    // The second response's end stops the run; the third in the same notification is not read.
    frame->RTimerTimer();
    port->receive(response(mainLine("1")) + response(mainLine("2")) + response(mainLine("3")));
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(SampleCounter, 2);
    EXPECT_FALSE(port->open);
    EXPECT_FALSE(frame->RTimer->isActive());
    EXPECT_TRUE(frame->btnOnline->isEnabled());
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.messages[0].text, "Samples completed(2)");
    EXPECT_EQ(answer.messages[0].kind, TMessageDlg::Information);

    Settings.COUNT = 0;
    answer.messages.clear();
    start();
    sample(response(mainLine("1")));
    EXPECT_EQ(rows(), 1);
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.messages[0].text, "Samples completed(0)");
}

TEST_F(Acquisition, RefusedSamplesStillGetRowsAndCount)
{
    Settings.COUNTREP = false;
    Settings.COUNT = 3;
    Settings.CAPTURE = 1;
    Settings.HIGH = "10";
    Settings.MAINCHANNEL = 2;
    start();
    for (const char *v : {"1", "20", "2"})
        sample(response(mainLine("99"), kLine2, mainLine(v)));
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(cell(3, 2), mainLine("20"));
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.messages[0].text, "Samples completed(3)");
}

TEST_F(Acquisition, SilentMeterEndsTheRunOnTheFourthTick)
{
    Settings.PORT = 2;
    start();
    sample(response(mainLine("1")));
    for (int i = 0; i < 3; ++i)
        frame->RTimerTimer();
    EXPECT_TRUE(answer.messages.empty());
    EXPECT_EQ(port->sent.size(), 4);
    frame->RTimerTimer();
    EXPECT_EQ(port->sent.size(), 4); // no poll on the giving-up tick
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.messages[0].text, "Check Your System (Unit or COM2)");
    EXPECT_FALSE(port->open);
    EXPECT_FALSE(frame->RTimer->isActive());
    EXPECT_EQ(rows(), 1); // what was collected stays
}

TEST_F(Acquisition, PortThatCannotBeOpenedLeavesTheProgramIdle)
{
    port->failOpen = true;
    EXPECT_THROW(start(), AppError);
    EXPECT_FALSE(frame->RTimer->isActive());
    EXPECT_TRUE(frame->btnOnline->isEnabled());
    EXPECT_FALSE(frame->btnOffline->isEnabled());
}

TEST_F(Acquisition, ClearDataWhileAcquiringRestartsTheNumbering)
{
    start();
    sample(response(mainLine("1")));
    sample(response(mainLine("2")));
    frame->MenuProcess(5);
    EXPECT_TRUE(port->open);
    sample(response(mainLine("3")));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(cell(0, 1), "0");
}

TEST_F(Acquisition, TriggerDecidesButEverySampleIsKept)
{
    Settings.TRIGGER = 1;
    Settings.VALUE = "5";
    Settings.DELAY = 1;
    start();
    for (const char *v : {"1", "6", "2", "3", "4"})
        sample(response(mainLine(v)));
    EXPECT_EQ(rows(), 5);
    EXPECT_FALSE(frame->Link.TriggerPending);
}

TEST_F(Acquisition, LostDeviceEndsTheRun)
{
    start();
    sample(response(mainLine("1")));
    port->open = false;
    emit port->LinkLost("Input/output error");
    EXPECT_FALSE(frame->RTimer->isActive());
    EXPECT_TRUE(frame->btnOnline->isEnabled());
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.messages[0].text, "Check Your System (Unit or COM1)");
    EXPECT_EQ(rows(), 1);
}

TEST_F(Acquisition, TraceWindowEchoesEveryProcessedLine)
{
    frame->MenuProcess(77);
    ASSERT_TRUE(frmDebug);
    EXPECT_TRUE(Settings.DEBUG);
    EXPECT_EQ(frmDebug->windowTitle(), "Debug Window");
    EXPECT_EQ(frmDebug->size(), QSize(300, 200));
    EXPECT_TRUE(frmDebug->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(frmDebug->windowFlags() & Qt::WindowCloseButtonHint);
    start();
    for (int i = 0; i < 3; ++i)
        sample(response(mainLine("1.5"), "CO  1.000nF  "));
    sample(response(mainLine("1.0"), kLine2.left(11), kLine3.left(12))); // 54 characters: dropped
    const QStringList lines = frmDebug->Memo1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], mainLine("1.5"));
    EXPECT_EQ(lines[1], "PF  1.000nF  ");
    EXPECT_EQ(lines[11], kLine4);
    // Clear empties it and the echo goes on.
    frmDebug->Button2->click();
    sample(response(mainLine("2.0")));
    EXPECT_EQ(frmDebug->Memo1->toPlainText().split('\n').size(), 4);
    // Close, reopen: a new, empty window.
    frmDebug->Button1->click();
    EXPECT_FALSE(Settings.DEBUG);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(frmDebug);
    sample(response(mainLine("3.0"))); // no window: nothing to write to
    frame->MenuProcess(77);
    ASSERT_TRUE(frmDebug);
    EXPECT_TRUE(frmDebug->Memo1->toPlainText().isEmpty());
    frame->MenuProcess(77);
    EXPECT_FALSE(Settings.DEBUG);
}

TEST_F(Acquisition, TraceFlagFromTheSettingsFileClaimsNoWindow)
{
    program.writeIni("[ZENTRIX]\nDEBUG=1\n");
    TfrmMain other;
    EXPECT_FALSE(Settings.DEBUG);
    other.MenuProcess(77); // opens, as the flag says it is closed
    EXPECT_TRUE(frmDebug);
    EXPECT_TRUE(Settings.DEBUG);
    other.MenuProcess(77);
}

} // namespace
