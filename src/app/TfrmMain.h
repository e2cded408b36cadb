#pragma once

#include "FileDialogs.h"
#include "AsciiTable.h"
#include "MeterLink.h"
#include "ViewHost.h"
#include "MessageBox.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QHBoxLayout;
class QMenu;
class QVBoxLayout;
class QLabel;
class QMdiArea;
class QTimer;
class QToolButton;

namespace Zentrix {

class SideBarMenu;
class TStatusLight;
class TfrmData;
class TfrmGauge;
class TfrmGraph;
class TextGrid;
class TSerialPort;

// The MDI frame: title strip, tool bar, pop-up menu, status bar, and the commands.
class TfrmMain : public QWidget, public ViewHost
{
    Q_OBJECT

public:
    TfrmMain();
    ~TfrmMain() override;

    // The child windows of start-up, in their order.
    void CreateChildWindows();

    void FormCreate();
    void DisplayStatus();
    void btnConfigClick(QToolButton *button);
    void Start1Click(QAction *item);
    virtual void MenuProcess(int command);
    void MenuControl(bool acquiring);
    void Call_Config();
    void Open_File();
    void Save_File();
    void Data_Clear();
    void DataToGraph();
    void ReplayRow(int row, bool toGraphs, bool toGauges, bool updateSummary) override;
    virtual void DispatchSample(bool accepted, const QString &main, const QString &sub1, const QString &sub2,
                        const QString &sub3, bool toGraphs, bool toGauges);
    void Timer1Timer();
    void SpeedButton1Click(QToolButton *button);
    void SetAcquisition(bool on) override;
    bool LinkOpen() const override;
    const TextGrid *DataSheet() const override;
    // Opens one more Graph or Gauge window.
    void NewGraph();
    void NewGauge();
    void Print_Graph();
    void Print_Datasheet();
    void ShowReadme();

    // Title strip
    QLabel *Image2;
    QLabel *Image1;
    QWidget *TitleBar1;
    QLabel *lblTitle;
    QToolButton *SpeedButton1;
    QToolButton *SpeedButton2;
    // Tool bar
    QToolButton *btnConfig;
    QToolButton *btnOnline;
    QToolButton *btnOffline;
    QToolButton *btnOpen;
    QToolButton *btnClear;
    QToolButton *btnSave;
    QToolButton *btnPrintGraph;
    QToolButton *SpeedButton7;
    QToolButton *SpeedButton3;
    QToolButton *btnHelp;
    QToolButton *btnExit;
    // Pop-up menu
    SideBarMenu *BcBarPopupMenu1;
    QAction *New1, *Graph2, *Gauge1, *Configuratio1, *Start1, *Stop1, *FileOpen1, *FileSave1, *DataClear1,
        *Printdatasheet1, *DataSheet1, *Graph1, *Exit1;
    // Status bar
    TStatusLight *lightTX;
    TStatusLight *lightRX;
    QLabel *stComm;
    QLabel *lblFileName;
    QLabel *stFilename;
    QLabel *stDate;
    // Non-visual members
    QTimer *Timer1;
    TFileDialog OpenDialog1{TFileDialog::Open};
    TFileDialog SaveDialog1{TFileDialog::Save};
    TMessageDlg MessageDlg1;
    TAsciiTable TmpData;

    QMdiArea *MdiArea;

    // Meter link
    std::unique_ptr<TSerialPort> Comm1;
    QTimer *RTimer;
    MeterLink Link;
    // Tests put a port of their own in place of the real one.
    void SetComm(std::unique_ptr<TSerialPort> port);
    void RTimerTimer();
    void Comm1TriggerAvail(int count);
    void Comm1LinkLost(const QString &reason);
    void OnePacket_Parser();
    bool TriggerCheck(const QString &line);
    bool CaptureCheck(const QString &line);
    bool Acquiring() const;
    bool TraceWindowOpen() const;
    // Command 77: opens the trace window, or closes the one that is open.
    void ToggleTraceWindow();

    QList<QToolButton *> toolButtons() const;
    QList<QAction *> menuItems() const;

protected:
    void contextMenuEvent(QContextMenuEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ProcessResponse();
    void forEachChild(const std::function<void(QWidget *)> &f);
    void buildTitleStrip(QVBoxLayout *outer);
    void buildToolBar(QVBoxLayout *outer);
    void buildMenu();
    void buildStatusBar(QVBoxLayout *outer);
    QToolButton *addTool(QHBoxLayout *row, const char *name, const QString &hint, int tag);
    QAction *addItem(QMenu *menu, const char *name, const QString &caption, int tag, bool handled);
    Qt::Edges edgesAt(const QPoint &pos) const;
};

// The most recently created window of each class.
extern TfrmMain *frmMain;
extern TfrmData *frmData;
extern QPointer<TfrmGraph> frmGraph;
extern QPointer<TfrmGauge> frmGauge;
extern QPointer<class TfrmDebug> frmDebug;

} // namespace Zentrix
