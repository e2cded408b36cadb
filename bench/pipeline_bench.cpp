// Responses through the whole pipeline into the data sheet: framing, normalising, parsing,
// trigger and capture, fan-out and AddRow. The windows are not painted.
#include "BenchUtil.h"
#include "ErrorDisplay.h"
#include "Global.h"
#include "SerialPort.h"
#include "TfrmMain.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <deque>

using namespace Zentrix;

namespace {

class BenchPort : public TSerialPort
{
public:
    QByteArray rx;
    qsizetype pos = 0;
    bool open = false;
    void Open() override { open = true; }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    QChar GetChar() override { return pos < rx.size() ? QChar(rx.at(pos++)) : QChar(); }
    void PutString(const QString &) override {}
    void receive(const QByteArray &text)
    {
        rx = text;
        pos = 0;
        emit TriggerAvail(static_cast<int>(text.size()));
    }
};

} // namespace

int main(int argc, char **argv)
{
    BenchProgram program(argc, argv);
    TfrmMain *frame = program.StartFrame();
    auto port = std::make_unique<BenchPort>();
    BenchPort *p = port.get();
    frame->SetComm(std::move(port));
    Settings.COUNTREP = true;
    Settings.TRIGGER = 1;
    Settings.VALUE = "0.5";
    Settings.CAPTURE = 3;
    Settings.LOW = "0";
    Settings.HIGH = "1";
    frame->MenuProcess(2);

    constexpr int kResponses = 100000;
    std::vector<QByteArray> responses;
    for (int i = 0; i < 1000; ++i)
        responses.push_back(QStringLiteral("DC%1V   \rAC  0.000V   \rFR 50.000Hz  \r             \r")
                                .arg(QString::number(i * 0.001, 'f', 4).rightJustified(7))
                                .toLatin1());
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kResponses; ++i) {
        frame->RTimerTimer();
        p->receive(responses[static_cast<size_t>(i % 1000)]);
    }
    const double us = t.nsecsElapsed() / 1000.0 / kResponses;
    Report("pipeline_us_per_response", us, "us");
    frame->MenuProcess(3);
    delete frame;
    return SampleCounter == kResponses ? 0 : 1;
}
