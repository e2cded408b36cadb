#include "AppError.h"
#include "Responders.h"
#include "SideBarMenu.h"
#include "StatusLight.h"
#include "TestDir.h"
#include "TextGrid.h"
#include "TfrmData.h"
#include "TfrmGauge.h"
#include "TfrmGraph.h"
#include "TfrmMain.h"
#include "TfrmConfig.h"
#include "ModalDialog.h"

#include <QComboBox>
#include <QDir>
#include <QSlider>
#include "Chart.h"

#include <QAction>
#include <QCoreApplication>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

// The frame with its command dispatcher and sample fan-out watched.
class WatchedFrame : public TfrmMain
{
public:
    std::vector<int> commands;
    bool recordOnly = false;
    struct Sample
    {
        bool accepted;
        QStringList lines;
        bool toGraphs, toGauges;
    };
    std::vector<Sample> samples;

    void MenuProcess(int command) override
    {
        commands.push_back(command);
        if (!recordOnly)
            TfrmMain::MenuProcess(command);
    }
    void DispatchSample(bool accepted, const QString &main, const QString &sub1, const QString &sub2,
                        const QString &sub3, bool toGraphs, bool toGauges) override
    {
        samples.push_back({accepted, {main, sub1, sub2, sub3}, toGraphs, toGauges});
        TfrmMain::DispatchSample(accepted, main, sub1, sub2, sub3, toGraphs, toGauges);
    }
};

class Frame : public ::testing::Test
{
protected:
    TestProgramDir program;
    Responders answer;
    std::unique_ptr<WatchedFrame> frame;

    void SetUp() override { start(); }
    void start()
    {
        frame.reset();
        frame = std::make_unique<WatchedFrame>();
        frame->CreateChildWindows();
        frame->show();
    }
    void TearDown() override { frame.reset(); }
};

TEST_F(Frame, StartUpTexts)
{
    program.writeIni("[MODEL]\nNAME1=1Bench Alpha\nNAME2=2Field Beta\n[ZENTRIX]\nPORT=3\n");
    start();
    EXPECT_EQ(frame->size(), QSize(783, 540));
    EXPECT_TRUE(frame->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(frame->lblTitle->text(), "DMM - Bench Alpha");
    EXPECT_EQ(frame->stComm->text(), "COM3-9600-N-7-2");
    EXPECT_EQ(frame->stFilename->text(), "Untitled");
    EXPECT_EQ(frame->lblFileName->text(), "File name");
    EXPECT_EQ(frame->stDate->text(), "YYYY/mm/DD HH:NN:SS");
    EXPECT_EQ(frame->Timer1->interval(), 1000);
    EXPECT_TRUE(frame->Timer1->isActive());
    frame->Timer1Timer();
    EXPECT_TRUE(QRegularExpression("^\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d$")
                    .match(frame->stDate->text())
                    .hasMatch())
        << frame->stDate->text().toStdString();
    EXPECT_FALSE(frame->lightTX->Lit());
    EXPECT_FALSE(frame->lightRX->Lit());
    EXPECT_EQ(frame->OpenDialog1.Title, "Input Data filename");
    for (const TFileDialog *d : {&frame->OpenDialog1, &frame->SaveDialog1}) {
        EXPECT_EQ(d->Filter, "DMM files (*.DMM)");
        EXPECT_EQ(d->DefaultExt, "DMM");
        EXPECT_EQ(d->InitialDir, AppPath);
    }
    EXPECT_TRUE(frame->SaveDialog1.OverwritePrompt);
    // Graph, Data Sheet and Gauge, in that order.
    ASSERT_NE(frmData, nullptr);
    const auto children = frame->MdiArea->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(children.size(), 3);
    EXPECT_EQ(children[0], frmGraph->subWindow());
    EXPECT_EQ(children[1], frmData->subWindow());
    EXPECT_EQ(children[2], frmGauge->subWindow());
    EXPECT_EQ(children[0]->windowTitle(), "MAIN Graph");
    EXPECT_EQ(children[2]->windowTitle(), "MAIN Gauge");
}

TEST_F(Frame, ModelOutsideTheTableShowsNoName)
{
    for (const char *model : {"0", "10", "-3"}) {
        program.writeIni(QByteArray("[MODEL]\nNAME1=1Bench Alpha\n[ZENTRIX]\nMODEL=") + model + "\n");
        start();
        EXPECT_EQ(frame->lblTitle->text(), "DMM - ") << model;
    }
}

TEST_F(Frame, ToolButtonsCarryTheirCommands)
{
    struct Button
    {
        QToolButton *b;
        const char *hint;
        int tag;
    };
    const Button buttons[] = {
        {frame->btnConfig, "System Configuration", 1}, {frame->btnOnline, "Start Communication", 2},
        {frame->btnOffline, "Stop Communication", 3},  {frame->btnOpen, "Open File", 4},
        {frame->btnClear, "Clear Data", 5},            {frame->btnSave, "Save File", 6},
        {frame->btnPrintGraph, "Print Graph", 7},      {frame->SpeedButton7, "Print Datasheet", 8},
        {frame->SpeedButton3, "Show trace window", 77}, {frame->btnHelp, "Show readme file", 98},
        {frame->btnExit, "Exit Program", 99},
    };
    ASSERT_EQ(frame->toolButtons().size(), 11);
    frame->recordOnly = true;
    std::vector<int> expected;
    for (const Button &b : buttons) {
        EXPECT_EQ(b.b->toolTip(), b.hint);
        EXPECT_EQ(b.b->size(), QSize(36, 36));
        EXPECT_EQ(b.b->isEnabled(), b.tag != 3) << b.hint;
        b.b->setEnabled(true);
        QTest::mouseClick(b.b, Qt::LeftButton);
        expected.push_back(b.tag);
    }
    EXPECT_EQ(frame->commands, expected);
    // The exit button sits alone at the right edge.
    EXPECT_GT(frame->btnExit->x(), frame->btnHelp->x() + 200);
}

TEST_F(Frame, MenuItemsCarryTheirCommands)
{
    struct Item
    {
        QAction *a;
        const char *caption;
        int tag;
    };
    const Item items[] = {
        {frame->Graph2, "Graph", 11},        {frame->Gauge1, "Gauge", 12},
        {frame->Configuratio1, "Configuration", 1}, {frame->Start1, "Start", 2},
        {frame->Stop1, "Stop", 3},           {frame->FileOpen1, "File Open", 4},
        {frame->FileSave1, "File Save", 6},  {frame->DataClear1, "Data Clear", 5},
        {frame->DataSheet1, "Data-Sheet", 8}, {frame->Graph1, "Graph", 9},
        {frame->Exit1, "Exit", 0},
    };
    frame->recordOnly = true;
    std::vector<int> expected;
    for (const Item &i : items) {
        EXPECT_EQ(i.a->text(), i.caption);
        i.a->trigger();
        expected.push_back(i.tag);
    }
    EXPECT_EQ(frame->commands, expected);
    // Order and sub-menus of the pop-up menu.
    QStringList top;
    for (QAction *a : frame->BcBarPopupMenu1->actions())
        top << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(top.join('|'), "New|Configuration|-|Start|Stop|-|File Open|File Save|Data Clear|-|Print|-|Exit");
    EXPECT_EQ(frame->New1->menu()->actions(), QList<QAction *>({frame->Graph2, frame->Gauge1}));
    EXPECT_EQ(frame->Printdatasheet1->menu()->actions(), QList<QAction *>({frame->DataSheet1, frame->Graph1}));
}

TEST_F(Frame, MenuControlSwitchesOnlyStartAndStop)
{
    frame->MenuControl(true);
    EXPECT_FALSE(frame->btnOnline->isEnabled());
    EXPECT_TRUE(frame->btnOffline->isEnabled());
    EXPECT_TRUE(frame->Start1->isEnabled());
    EXPECT_TRUE(frame->Stop1->isEnabled());
    EXPECT_TRUE(frame->btnOpen->isEnabled());
    frame->MenuControl(false);
    EXPECT_TRUE(frame->btnOnline->isEnabled());
    EXPECT_FALSE(frame->btnOffline->isEnabled());
}

TEST_F(Frame, DataClearEmptiesTheSheetAndNamesItUntitled)
{
    frmData->AddRow("0", "DC  1.000 V  ", "", "", "", "");
    frmData->AddRow("1", "DC  2.000 V  ", "", "", "", "");
    CurrentFileName = "/tmp/run.DMM";
    frame->stFilename->setText(CurrentFileName);
    SampleCounter = 2;
    frame->Link.NoReplyCount = 3;
    frame->MenuProcess(5);
    EXPECT_EQ(frmData->SG1->RowCount(), 2);
    EXPECT_TRUE(frmData->FirstRowFree);
    EXPECT_EQ(frmData->SG3->Cell(1, 2), "");
    EXPECT_EQ(CurrentFileName, "Untitled");
    EXPECT_EQ(frame->stFilename->text(), "Untitled");
    EXPECT_EQ(SampleCounter, 0);
    EXPECT_EQ(frame->Link.NoReplyCount, 0);
}

TEST_F(Frame, ReplayRowRebuildsLinesAndTheSummary)
{
    const QString c11 = "DC  1.234 m", c12 = "DC  1.234 mV", c13 = "DC  2.000 mV ";
    frmData->AddRow("0", c11, c12, c13, "", "08:15:00");
    frmData->ClearSummary();
    frame->ReplayRow(1, true, false, true);
    ASSERT_EQ(frame->samples.size(), 1u);
    const auto &s = frame->samples[0];
    EXPECT_TRUE(s.accepted);
    EXPECT_TRUE(s.toGraphs);
    EXPECT_FALSE(s.toGauges);
    const QString blank = QString(13, ' ') + "\r";
    EXPECT_EQ(s.lines, QStringList({blank, c12 + "\r", c13 + "\r", blank}));
    // The summary takes the stored time, not the clock.
    EXPECT_EQ(frmData->SG3->Cell(2, 1), "08:15:00");
    EXPECT_EQ(frmData->SG3->Cell(2, 2), "1.234");
    EXPECT_EQ(frmData->SG3->Cell(3, 4), "2.000");
    EXPECT_EQ(frmData->SG3->Cell(1, 2), "");

    // The track bar's replay goes to the gauges only and leaves the summary alone.
    frmData->ClearSummary();
    frame->ReplayRow(1, false, true, false);
    EXPECT_FALSE(frame->samples[1].toGraphs);
    EXPECT_TRUE(frame->samples[1].toGauges);
    EXPECT_EQ(frmData->SG3->Cell(2, 2), "");
}

TEST_F(Frame, ReplayWithoutGraphWindowsKeepsTheCounter)
{
    frmGraph->subWindow()->close();
    QCoreApplication::processEvents();
    frmData->AddRow("0", "DC  1.000 V  ", "", "", "", "");
    SampleCounter = 7;
    frame->DataToGraph();
    EXPECT_EQ(SampleCounter, 7);
    EXPECT_TRUE(frame->samples.empty());
}

TEST_F(Frame, ReplayIntoTwoGraphWindowsCountsEachRowOnce)
{
    frame->MenuProcess(11);
    for (int i = 0; i < 5; ++i)
        frmData->AddRow(QString::number(i), "DC  " + QString::number(i) + ".000V   ", "", "", "", "10:00:00");
    frmData->ClearSummary();
    frame->DataToGraph();
    EXPECT_EQ(SampleCounter, 5);
    QList<TfrmGraph *> graphs;
    for (QMdiSubWindow *w : frame->MdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto *g = qobject_cast<TfrmGraph *>(w->widget()))
            graphs << g;
    ASSERT_EQ(graphs.size(), 2);
    for (TfrmGraph *g : graphs) {
        EXPECT_EQ(g->Chart1->Count(), 5);
        EXPECT_DOUBLE_EQ(g->Chart1->XValue(4), 4);
        EXPECT_DOUBLE_EQ(g->Chart1->YValue(4), 4.0);
    }
    // The replay rebuilt the summary from the stored times.
    EXPECT_EQ(frmData->SG3->Cell(1, 4), "4.000");
    EXPECT_EQ(frmData->SG3->Cell(1, 3), "10:00:00");

    // A longer file ends with the view where sample-by-sample scrolling leaves it.
    for (int i = 5; i < 150; ++i)
        frmData->AddRow(QString::number(i), "DC  1.000V   ", "", "", "", "10:00:00");
    frame->DataToGraph();
    for (TfrmGraph *g : graphs) {
        EXPECT_DOUBLE_EQ(g->Chart1->BottomAxis().Minimum(), 50);
        EXPECT_DOUBLE_EQ(g->Chart1->BottomAxis().Maximum(), 150);
        EXPECT_DOUBLE_EQ(g->Chart1->CursorX(), 149);
        EXPECT_EQ(g->TrackBar1->value(), 149);
        EXPECT_EQ(g->Chart1->LeftAxis().LabelFormat(), "#0.000");
    }
}

TEST_F(Frame, ConfigurationOkStoresAndRefreshes)
{
    program.writeIni("[MODEL]\nNAME1=1Alpha\nNAME2=2Beta\n");
    start();
    SetModalResponder([](QDialog &d) {
        auto &c = dynamic_cast<TfrmConfig &>(d);
        c.cbModel->setCurrentIndex(1);
        c.cbPort->setCurrentIndex(3);
        c.btnOkClick();
        return d.result();
    });
    frame->MenuProcess(1);
    EXPECT_EQ(frame->lblTitle->text(), "DMM - Beta");
    EXPECT_EQ(frame->stComm->text(), "COM4-9600-N-7-2");
    EXPECT_TRUE(program.readIni().contains("MODEL=2\nTYPE=2\nPORT=4\n"));
    // Cancel stores nothing.
    SetModalResponder([](QDialog &d) {
        dynamic_cast<TfrmConfig &>(d).cbPort->setCurrentIndex(0);
        return 0;
    });
    frame->MenuProcess(1);
    EXPECT_EQ(Settings.PORT, 4);
    // A settings file that cannot be written: the error, and no refresh.
    SetModalResponder([](QDialog &d) {
        auto &c = dynamic_cast<TfrmConfig &>(d);
        c.cbPort->setCurrentIndex(1);
        c.btnOkClick();
        return d.result();
    });
    QFile::remove(program.path("ZENTRIX.INI"));
    QDir(program.dir.path()).mkdir("ZENTRIX.INI");
    try {
        frame->MenuProcess(1);
        ADD_FAILURE();
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Unable to write to " + program.path("ZENTRIX.INI"));
    }
    EXPECT_EQ(Settings.PORT, 2);
    EXPECT_EQ(frame->stComm->text(), "COM4-9600-N-7-2");
    SetModalResponder({});
}

TEST_F(Frame, MessagesGoThroughTheOneBox)
{
    frame->MdiArea->setActiveSubWindow(frmData->subWindow());
    frame->MenuProcess(7);
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.messages[0].kind, TMessageDlg::Error);
    EXPECT_EQ(answer.messages[0].text, "Graph Not Selected !");
}

TEST_F(Frame, ErrorsLeavingAHandlerAreShownAndTheProgramGoesOn)
{
    // The parent of the chosen file is a plain file, so nothing can be created there.
    QFile blocker(program.path("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    answer.nextFile = program.path("blocker/run.DMM");
    QTest::mouseClick(frame->btnSave, Qt::LeftButton);
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.messages[0].kind, TMessageDlg::Error);
    EXPECT_EQ(answer.messages[0].text, "Cannot create file " + program.path("blocker/run.DMM"));
    // A failed save leaves the name as it was.
    EXPECT_EQ(CurrentFileName, "Untitled");
    EXPECT_EQ(frame->stFilename->text(), "Untitled");
    // The program goes on: the next command works.
    answer.nextFile = program.path("run");
    QTest::mouseClick(frame->btnSave, Qt::LeftButton);
    EXPECT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(CurrentFileName, program.path("run"));
    EXPECT_EQ(frame->stFilename->text(), program.path("run"));
    EXPECT_TRUE(QFile::exists(program.path("run.DMM")));
    // A cancelled dialog changes nothing.
    answer.nextFile.reset();
    QTest::mouseClick(frame->btnOpen, Qt::LeftButton);
    EXPECT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.dialogTitles.back(), "Input Data filename");
    EXPECT_EQ(CurrentFileName, program.path("run"));
}

TEST_F(Frame, OpeningAFileRestoresTheSheetAndItsSettings)
{
    for (int i = 0; i < 3; ++i)
        frmData->AddRow(QString::number(i), "DC  " + QString::number(i) + ".000V   ", "", "", "", "10:00:0" + QString::number(i));
    frmGraph->subWindow()->close();
    QCoreApplication::processEvents();
    Settings.COUNT = 42;
    answer.nextFile = program.path("three.dmm");
    frame->MenuProcess(6);
    Settings.COUNT = 7;
    frame->MenuProcess(5);
    SampleCounter = 9;
    frame->MenuProcess(4);
    ASSERT_TRUE(answer.messages.empty());
    EXPECT_EQ(frmData->SG1->RowCount(), 4);
    EXPECT_EQ(frmData->SG1->Cell(1, 3), "DC  2.000V   ");
    EXPECT_EQ(Settings.COUNT, 42);
    EXPECT_EQ(CurrentFileName, program.path("three.dmm"));
    EXPECT_EQ(frame->stFilename->text(), program.path("three.dmm"));
    // No graph window is open: nothing is replayed, the summary stays blank.
    EXPECT_EQ(SampleCounter, 9);
    EXPECT_EQ(frmData->SG3->Cell(1, 2), "");

    // A pair that cannot be read leaves everything as it was.
    QFile::remove(program.path("three.CFG"));
    QTest::mouseClick(frame->btnOpen, Qt::LeftButton);
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.messages[0].text, "Cannot open file " + program.path("three.CFG"));
    EXPECT_EQ(frmData->SG1->RowCount(), 4);
    EXPECT_EQ(CurrentFileName, program.path("three.dmm"));
}

TEST_F(Frame, ReadmeButtonShowsTheReadme)
{
    QFile::copy(qEnvironmentVariable("ZENTRIX_SOURCE_DIR") + "/README.md", program.path("README.md"));
    frame->MenuProcess(98);
    auto *text = frame->findChild<QTextBrowser *>("readmeText");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->toPlainText().contains("Zentrix"));
    EXPECT_TRUE(text->window()->isVisible());
    // Without the file the operator is told which file is missing.
    QFile::remove(program.path("README.md"));
    EXPECT_THROW(frame->MenuProcess(98), AppError);
}

TEST_F(Frame, ExitClosesTheFrame)
{
    for (int command : {99, 0}) {
        start();
        ASSERT_TRUE(frame->isVisible());
        frame->MenuProcess(command);
        EXPECT_FALSE(frame->isVisible()) << command;
    }
    // Closing kept the data sheet's place.
    EXPECT_TRUE(program.readIni().contains("DataSheet="));
}

TEST_F(Frame, TitleButtonsRestoreAndMaximise)
{
    frame->SpeedButton2->click();
    EXPECT_TRUE(frame->isMaximized());
    frame->SpeedButton1->click();
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(frame->SpeedButton1->property("Tag").toInt(), 1);
    EXPECT_EQ(frame->SpeedButton2->property("Tag").toInt(), 2);
}

} // namespace
