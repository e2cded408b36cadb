// The frame's meter link: start and stop, the poll tick and the receive handler.
#include "AppError.h"
#include "Global.h"
#include "SerialPort.h"
#include "StatusLight.h"
#include "TfrmData.h"
#include "TfrmDebug.h"
#include "TfrmGauge.h"
#include "TfrmGraph.h"
#include "TfrmMain.h"

#include <QTimer>

namespace Zentrix {

void TfrmMain::SetComm(std::unique_ptr<TSerialPort> port)
{
    if (Comm1)
        Comm1->disconnect(this);
    Comm1 = std::move(port);
    connect(Comm1.get(), &TSerialPort::TriggerAvail, this, &TfrmMain::Comm1TriggerAvail);
    connect(Comm1.get(), &TSerialPort::LinkLost, this, &TfrmMain::Comm1LinkLost);
}

bool TfrmMain::Acquiring() const { return RTimer->isActive(); }

void TfrmMain::SetAcquisition(bool on)
{
    MenuControl(on);
    if (on) {
        Comm1->SetPortNumber(Settings.PORT);
        Link.Start(Settings.DELAY);
        // An interval below one second would poll the meter without pause.
        RTimer->setInterval(std::max(Settings.INTERVAL, 1) * 1000);
    }
    if (on) {
        RTimer->start();
        try {
            Comm1->Open();
        } catch (...) {
            // A port that cannot be opened leaves the program idle, not seemingly acquiring.
            RTimer->stop();
            MenuControl(false);
            throw;
        }
    } else {
        RTimer->stop();
        Comm1->Close();
    }
    forEachChild([on](QWidget *w) {
        if (auto *g = qobject_cast<TfrmGraph *>(w))
            g->EnableControls(!on);
        else if (auto *g = qobject_cast<TfrmGauge *>(w))
            g->EnableControls(!on);
    });
}

void TfrmMain::RTimerTimer()
{
    switch (Link.PollTick(Comm1->IsOpen())) {
    case MeterLink::Tick::PortClosed:
        break;
    case MeterLink::Tick::GiveUp:
        RTimer->stop();
        Comm1->Close();
        SetAcquisition(false);
        MessageDlg1.setKind(TMessageDlg::Information);
        MessageDlg1.execute(QStringLiteral("Check Your System (Unit or COM%1)").arg(Settings.PORT));
        break;
    case MeterLink::Tick::Poll:
        lightTX->Toggle();
        Comm1->PutString(QStringLiteral("D"));
        break;
    }
}

void TfrmMain::Comm1LinkLost(const QString &)
{
    // The device went away: the run ends as it does for a meter that stays silent.
    SetAcquisition(false);
    MessageDlg1.setKind(TMessageDlg::Information);
    MessageDlg1.execute(QStringLiteral("Check Your System (Unit or COM%1)").arg(Settings.PORT));
}

void TfrmMain::Comm1TriggerAvail(int count)
{
    for (int i = 0; i < count; ++i) {
        // A run that stopped within this notification reads no more from the closed port.
        if (!Comm1->IsOpen())
            break;
        if (!Link.FeedChar(Comm1->GetChar()))
            continue;
        if (Link.ResponseLongEnough())
            ProcessResponse();
        Link.EndResponse();
        lightRX->Toggle();
    }
}

void TfrmMain::OnePacket_Parser()
{
    // Lines reach the trace window while it is open.
    if (Settings.DEBUG && frmDebug)
        Link.OnePacket_Parser([](const QString &line) { frmDebug->AddLine(line); });
    else
        Link.OnePacket_Parser();
}

bool TfrmMain::TriggerCheck(const QString &line) { return Zentrix::TriggerCheck(Link, Settings, line); }

bool TfrmMain::CaptureCheck(const QString &line) { return Zentrix::CaptureCheck(Settings, line); }

void TfrmMain::ProcessResponse()
{
    Link.Normalize();
    OnePacket_Parser();
    const QString main = Link.ChosenLine(Settings.MAINCHANNEL);
    if (main.size() <= 12)
        return;
    bool accepted = true;
    if (Link.TriggerPending && Settings.TRIGGER > 0)
        accepted = TriggerCheck(main);
    if (Settings.CAPTURE > 0 && !CaptureCheck(main))
        accepted = false;
    DispatchSample(accepted, Link.LineMain, Link.LineSub1, Link.LineSub2, Link.LineSub3, true, true);
    frmData->AddRow(QString::number(SampleCounter), Link.LineMain, Link.LineSub1, Link.LineSub2, Link.LineSub3,
                    QString());
    SampleCounter += 1;
    if (!Settings.COUNTREP && SampleCounter >= Settings.COUNT) {
        SetAcquisition(false);
        MessageDlg1.setKind(TMessageDlg::Information);
        MessageDlg1.execute(QStringLiteral("Samples completed(%1)").arg(Settings.COUNT));
    }
}

} // namespace Zentrix
