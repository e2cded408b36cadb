#include "TfrmMain.h"

#include "AppError.h"
#include "DataSheetRules.h"
#include "Global.h"
#include "LocaleFormat.h"
#include "ModalDialog.h"
#include "TfrmConfig.h"
#include "SideBarMenu.h"
#include "SerialPort.h"
#include "StatusLight.h"
#include "TextGrid.h"
#include "TfrmData.h"
#include "TfrmDebug.h"
#include "TfrmGauge.h"
#include "TfrmGraph.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressDialog>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace Zentrix {

TfrmMain *frmMain = nullptr;
TfrmData *frmData = nullptr;
QPointer<TfrmGraph> frmGraph;
QPointer<TfrmGauge> frmGauge;
QPointer<TfrmDebug> frmDebug;

namespace {
const QString kDmmFilter = QStringLiteral("DMM files (*.DMM)");
// Replays from this many rows on show their progress.
constexpr int kReplayProgressRows = 100000;
}

TfrmMain::TfrmMain() : MessageDlg1(this)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("DMM -"));
    // The title strip takes the place of the system's title bar; the frame stays resizable.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setMouseTracking(true);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 0, 4, 4);
    outer->setSpacing(0);
    buildTitleStrip(outer);
    buildToolBar(outer);
    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    MdiArea->setBackground(QColor(128, 128, 128));
    outer->addWidget(MdiArea, 1);
    buildStatusBar(outer);
    buildMenu();
    auto *sunken = new QGraphicsDropShadowEffect(lblTitle);
    sunken->setOffset(-1, -1);
    sunken->setBlurRadius(0);
    sunken->setColor(QColor(0, 0, 0, 200));
    lblTitle->setGraphicsEffect(sunken);

    RTimer = new QTimer(this);
    connect(RTimer, &QTimer::timeout, this, &TfrmMain::RTimerTimer);
    SetComm(std::make_unique<TComPort>());

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);

    resize(783, 540);
    if (const QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());

    frmMain = this;
    FormCreate();
    Timer1->start();
}

TfrmMain::~TfrmMain()
{
    if (frmMain == this)
        frmMain = nullptr;
    frmData = nullptr;
}

void TfrmMain::FormCreate()
{
    InitPaths();
    ReadWriteSettings(true);
    ReadWriteModels(true);
    // No trace window is open at start, whatever the file says.
    Settings.DEBUG = TraceWindowOpen();
    // The data sheet keeps its placement in the same settings file (SettingsFileName()).
    GraphCount = 0;
    Link.CrCount = 0;
    Link.NoReplyCount = 0;
    CurrentFileName = QStringLiteral("Untitled");
    for (TFileDialog *d : {&OpenDialog1, &SaveDialog1}) {
        d->Filter = kDmmFilter;
        d->DefaultExt = QStringLiteral("DMM");
        d->InitialDir = AppPath;
    }
    OpenDialog1.Title = QStringLiteral("Input Data filename");
    SaveDialog1.OverwritePrompt = true;
    DisplayStatus();
}

void TfrmMain::CreateChildWindows()
{
    // Start-up order: Graph, Data Sheet, Gauge.
    NewGraph();
    frmData = new TfrmData(MdiArea);
    frmData->subWindow()->show();
    NewGauge();
}

void TfrmMain::NewGraph()
{
    frmGraph = new TfrmGraph(MdiArea, this);
    frmGraph->subWindow()->show();
}

void TfrmMain::NewGauge()
{
    frmGauge = new TfrmGauge(MdiArea);
    frmGauge->subWindow()->show();
}

void TfrmMain::forEachChild(const std::function<void(QWidget *)> &f)
{
    // Counted once, in the frame's child order; a window closed meanwhile is skipped.
    QList<QPointer<QWidget>> children;
    // A closed window waits for its deletion hidden; it takes part in nothing more.
    for (QMdiSubWindow *sub : MdiArea->subWindowList(QMdiArea::CreationOrder))
        if (!sub->isHidden())
            children << QPointer<QWidget>(sub->widget());
    for (const QPointer<QWidget> &w : children)
        if (w)
            f(w.data());
}

bool TfrmMain::LinkOpen() const { return Comm1 && Comm1->IsOpen(); }

const TextGrid *TfrmMain::DataSheet() const { return frmData ? frmData->SG1 : nullptr; }

void TfrmMain::DisplayStatus()
{
    lblTitle->setText(QStringLiteral("DMM - ") + ModelName(Settings.MODEL));
    setWindowTitle(lblTitle->text());
    stComm->setText(QStringLiteral("COM%1-9600-N-7-2").arg(Settings.PORT));
    stFilename->setText(CurrentFileName);
}

void TfrmMain::btnConfigClick(QToolButton *button) { MenuProcess(button->property("Tag").toInt()); }

void TfrmMain::Start1Click(QAction *item) { MenuProcess(item->property("Tag").toInt()); }

void TfrmMain::MenuProcess(int command)
{
    switch (command) {
    case 1:
        Call_Config();
        break;
    case 2:
        Data_Clear();
        SetAcquisition(true);
        break;
    case 3:
        SetAcquisition(false);
        break;
    case 4:
        Open_File();
        break;
    case 5:
        Data_Clear();
        break;
    case 6:
        Save_File();
        break;
    case 7:
    case 9: // "Print" > "Graph" of the pop-up menu
        Print_Graph();
        break;
    case 8:
        Print_Datasheet();
        break;
    case 11:
        NewGraph();
        break;
    case 12:
        NewGauge();
        break;
    case 77:
        ToggleTraceWindow();
        break;
    case 98:
        ShowReadme();
        break;
    case 0: // the pop-up menu's "Exit"
    case 99:
        close();
        break;
    default:
        break;
    }
}

void TfrmMain::MenuControl(bool acquiring)
{
    btnOffline->setEnabled(acquiring);
    btnOnline->setEnabled(!acquiring);
}

void TfrmMain::Call_Config()
{
    // The dialog lives for this one use, however it ends.
    std::unique_ptr<TfrmConfig> dialog = std::make_unique<TfrmConfig>(this);
    if (ExecModal(*dialog) != 1)
        return;
    ReadWriteSettings(false);
    DisplayStatus();
}

void TfrmMain::Open_File()
{
    if (!OpenDialog1.Execute(this))
        return;
    // The name is taken once the pair has been read: a failed open changes nothing.
    frmData->ReadWriteFile(OpenDialog1.FileName, true);
    CurrentFileName = Cut255(OpenDialog1.FileName);
    // A companion cannot open or close the trace window.
    Settings.DEBUG = TraceWindowOpen();
    DataToGraph();
    stFilename->setText(CurrentFileName);
}

void TfrmMain::Save_File()
{
    if (!SaveDialog1.Execute(this))
        return;
    frmData->ReadWriteFile(SaveDialog1.FileName, false);
    CurrentFileName = Cut255(SaveDialog1.FileName);
    stFilename->setText(CurrentFileName);
}

bool TfrmMain::TraceWindowOpen() const { return frmDebug && !frmDebug->isHidden(); }

void TfrmMain::ToggleTraceWindow()
{
    if (Settings.DEBUG && frmDebug) {
        frmDebug->close();
        Settings.DEBUG = false;
        return;
    }
    frmDebug = new TfrmDebug(this);
    frmDebug->show();
    Settings.DEBUG = true;
}

void TfrmMain::Data_Clear()
{
    frmData->ClearRows();
    forEachChild([](QWidget *w) {
        if (auto *g = qobject_cast<TfrmGraph *>(w))
            g->ClearGraph();
        else if (auto *g = qobject_cast<TfrmGauge *>(w))
            g->ClearGauge();
    });
    CurrentFileName = QStringLiteral("Untitled");
    stFilename->setText(CurrentFileName);
    SampleCounter = 0;
    Link.NoReplyCount = 0;
}

void TfrmMain::DataToGraph()
{
    QList<QPointer<TfrmGraph>> graphs;
    forEachChild([&](QWidget *w) {
        if (auto *g = qobject_cast<TfrmGraph *>(w)) {
            g->ClearGraph();
            graphs << g;
        }
    });
    if (graphs.isEmpty())
        return;
    const int n = frmData->SG1->RowCount() - 1;
    // A long file shows its progress; the graphs take the rows in one go and draw at the end.
    std::unique_ptr<QProgressDialog> progress;
    if (n >= kReplayProgressRows) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("Replaying the data sheet..."), QString(), 0, n, this);
        progress->setWindowTitle(QStringLiteral("Zentrix"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    for (const auto &g : graphs)
        g->BeginReplay();
    // As ReplayRow(row, true, false, true) does, with the graph windows counted once.
    for (int row = 1; row <= n; ++row) {
        const ReplayedRow r = ReplayRowLines(*frmData->SG1, row);
        for (const auto &g : graphs)
            if (g)
                g->AddSample(true, r.main, r.sub1, r.sub2, r.sub3);
        frmData->UpdateSummary(r.main, r.sub1, r.sub2, r.sub3, r.time);
        SampleCounter += 1;
        if (progress && row % 65536 == 0)
            progress->setValue(row);
    }
    for (const auto &g : graphs)
        if (g)
            g->EndReplay();
}

void TfrmMain::ReplayRow(int row, bool toGraphs, bool toGauges, bool updateSummary)
{
    const ReplayedRow r = ReplayRowLines(*frmData->SG1, row);
    DispatchSample(true, r.main, r.sub1, r.sub2, r.sub3, toGraphs, toGauges);
    if (updateSummary)
        frmData->UpdateSummary(r.main, r.sub1, r.sub2, r.sub3, r.time);
}

void TfrmMain::DispatchSample(bool accepted, const QString &main, const QString &sub1, const QString &sub2,
                              const QString &sub3, bool toGraphs, bool toGauges)
{
    forEachChild([&](QWidget *w) {
        if (toGraphs)
            if (auto *g = qobject_cast<TfrmGraph *>(w))
                g->AddSample(accepted, main, sub1, sub2, sub3);
        if (toGauges)
            if (auto *g = qobject_cast<TfrmGauge *>(w))
                g->ShowSample(main, sub1, sub2, sub3);
    });
}

void TfrmMain::Timer1Timer() { stDate->setText(FormatClock(QDateTime::currentDateTime())); }

void TfrmMain::SpeedButton1Click(QToolButton *button)
{
    if (button->property("Tag").toInt() == 1)
        showNormal();
    else
        showMaximized();
}

void TfrmMain::ShowReadme()
{
    const QString name = AppPath + QStringLiteral("README.md");
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file %1").arg(name));
    // A window of its own, so that the operator can read it beside the program.
    auto *dlg = new QDialog(this);
    dlg->setObjectName(QStringLiteral("frmReadme"));
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    dlg->setWindowTitle(QStringLiteral("Zentrix - README"));
    dlg->resize(640, 480);
    auto *layout = new QVBoxLayout(dlg);
    auto *text = new QTextBrowser(dlg);
    text->setObjectName(QStringLiteral("readmeText"));
    text->setMarkdown(QString::fromUtf8(f.readAll()));
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dlg);
    connect(buttons, &QDialogButtonBox::rejected, dlg, &QDialog::close);
    layout->addWidget(buttons);
    dlg->show();
}

QList<QToolButton *> TfrmMain::toolButtons() const
{
    return {btnConfig,     btnOnline,    btnOffline,   btnOpen, btnClear, btnSave,
            btnPrintGraph, SpeedButton7, SpeedButton3, btnHelp, btnExit};
}

QList<QAction *> TfrmMain::menuItems() const
{
    return {Graph2, Gauge1, Configuratio1, Start1, Stop1, FileOpen1, FileSave1, DataClear1, DataSheet1, Graph1,
            Exit1};
}

void TfrmMain::contextMenuEvent(QContextMenuEvent *e) { BcBarPopupMenu1->popup(e->globalPos()); }

void TfrmMain::closeEvent(QCloseEvent *e)
{
    e->accept();
    // Each Graph window stores its place as it goes; the data sheet keeps its own.
    forEachChild([](QWidget *w) {
        if (auto *g = qobject_cast<TfrmGraph *>(w))
            g->FormDestroy();
    });
    if (frmData)
        frmData->SavePlacement();
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    // Image1, Image2 and the title drag the frame like a caption does.
    if (event->type() == QEvent::MouseButtonPress && windowHandle()) {
        if (!isMaximized())
            windowHandle()->startSystemMove();
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        isMaximized() ? showNormal() : showMaximized();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::mousePressEvent(QMouseEvent *e)
{
    const Qt::Edges edges = edgesAt(e->position().toPoint());
    if (edges && windowHandle() && e->button() == Qt::LeftButton)
        windowHandle()->startSystemResize(edges);
    else
        QWidget::mousePressEvent(e);
}

void TfrmMain::mouseMoveEvent(QMouseEvent *e)
{
    const Qt::Edges edges = edgesAt(e->position().toPoint());
    if (edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & Qt::BottomEdge)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(e);
}

} // namespace Zentrix
