#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace Zentrix {

struct TSettings;

// The conversation with the meter, without the port: framing of responses, their
// normalisation and split into four reading lines, and the trigger state of a run.
struct MeterLink
{
    QString RxBuffer;
    QString LineMain, LineSub1, LineSub2, LineSub3;
    int CrCount = 0;
    int NoReplyCount = 0;
    int DelayCountdown = 0;
    bool TriggerPending = false;
    bool TriggerArmed = false;

    // A new run: counters and trigger state back to their start.
    void Start(int delay);

    enum class Tick { PortClosed, GiveUp, Poll };
    // One poll tick. On Poll the caller sends "D"; the buffer and the carriage-return count
    // start afresh, so the remains of a torn response never misframe the next one.
    Tick PollTick(bool portOpen);

    // Appends one received character; true when it completed a response of four lines.
    bool FeedChar(QChar c);
    // A completed response long enough to process (55 characters or more).
    bool ResponseLongEnough() const { return RxBuffer.size() >= 55; }
    // After every completed response, processed or dropped.
    void EndResponse();

    // "CO" becomes "PF", "." the locale's separator.
    void Normalize();
    // Splits the buffer into the four lines; each line goes to trace when given.
    void OnePacket_Parser(const std::function<void(const QString &)> &trace = {});
    // The line the trigger and capture test: by MAINCHANNEL, MAIN for any other value.
    const QString &ChosenLine(int mainChannel) const;
};

// The number a check works on: overloads as +-99999, a text that does not convert as 0.
double SampleValue(const QString &line);
// A limit text of the settings; either decimal separator is accepted, since the defaults
// and older files carry "." whatever the locale. Nothing when it is no number at all.
std::optional<double> LimitValue(const QString &text);

// Whether this sample opens the trigger; advances the trigger state of link.
bool TriggerCheck(MeterLink &link, const TSettings &s, const QString &line);
// Whether the value meets the capture condition.
bool CaptureCheck(const TSettings &s, const QString &line);

} // namespace Zentrix
