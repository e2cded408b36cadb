#include "MeterLink.h"

#include "Global.h"
#include "LocaleFormat.h"
#include "ValueRules.h"

namespace Zentrix {

void MeterLink::Start(int delay)
{
    CrCount = 0;
    NoReplyCount = 0;
    DelayCountdown = delay;
    TriggerPending = true;
    TriggerArmed = false;
}

MeterLink::Tick MeterLink::PollTick(bool portOpen)
{
    if (!portOpen)
        return Tick::PortClosed;
    NoReplyCount += 1;
    if (NoReplyCount > 3)
        return Tick::GiveUp;
    RxBuffer.clear();
    CrCount = 0;
    return Tick::Poll;
}

bool MeterLink::FeedChar(QChar c)
{
    RxBuffer.append(c);
    if (c == QChar('\r'))
        CrCount += 1;
    return CrCount > 3;
}

void MeterLink::EndResponse()
{
    RxBuffer.clear();
    CrCount = 0;
    NoReplyCount = 0;
}

void MeterLink::Normalize()
{
    RxBuffer = ReplaceAll(RxBuffer, QStringLiteral("CO"), QStringLiteral("PF"));
    const QChar sep = DecimalSeparator();
    if (sep != QChar('.'))
        RxBuffer = ReplaceAll(RxBuffer, QStringLiteral("."), QString(sep));
}

void MeterLink::OnePacket_Parser(const std::function<void(const QString &)> &trace)
{
    QString *lines[] = {&LineMain, &LineSub1, &LineSub2, &LineSub3};
    for (QString *l : lines)
        l->clear();
    for (QString *l : lines) {
        const qsizetype p = RxBuffer.indexOf(QChar('\r'));
        const QString line = p >= 0 ? RxBuffer.left(p) : QString();
        if (trace)
            trace(line);
        *l = line;
        if (p >= 0)
            RxBuffer.remove(0, p + 1);
    }
}

const QString &MeterLink::ChosenLine(int mainChannel) const
{
    switch (mainChannel) {
    case 1:
        return LineSub1;
    case 2:
        return LineSub2;
    case 3:
        return LineSub3;
    default:
        return LineMain;
    }
}

double SampleValue(const QString &line)
{
    const QString field = line.mid(2, 7);
    switch (ClassifyValue(field)) {
    case vcNegOverload:
        return -99999;
    case vcOverload:
        return 99999;
    case vcNumber:
        return NumValue(field);
    default:
        return 0;
    }
}

std::optional<double> LimitValue(const QString &text)
{
    if (auto v = ConvertNumber(TrimControls(text)))
        return v;
    const QChar sep = DecimalSeparator();
    QString other = text;
    if (sep == QChar('.'))
        other.replace(QChar(','), QChar('.'));
    else
        other.replace(QChar('.'), sep);
    return ConvertNumber(TrimControls(other));
}

bool TriggerCheck(MeterLink &link, const TSettings &s, const QString &line)
{
    const double v = SampleValue(line);
    if (!link.TriggerPending || s.TRIGGER <= 0)
        return false;
    if (link.DelayCountdown < 1) {
        link.TriggerPending = false;
        return true;
    }
    if (link.TriggerArmed) {
        link.DelayCountdown -= 1;
        return false;
    }
    // A level that is no number never arms the trigger.
    const std::optional<double> level = LimitValue(s.VALUE);
    if (level && ((s.TRIGGER == 1 && v >= *level) || (s.TRIGGER == 2 && v <= *level)))
        link.TriggerArmed = true;
    return false;
}

bool CaptureCheck(const TSettings &s, const QString &line)
{
    const double v = SampleValue(line);
    // A limit that is no number accepts nothing.
    switch (s.CAPTURE) {
    case 1: {
        const auto high = LimitValue(s.HIGH);
        return high && v >= *high;
    }
    case 2: {
        const auto low = LimitValue(s.LOW);
        return low && v <= *low;
    }
    case 3: {
        const auto low = LimitValue(s.LOW);
        if (!low || !(*low <= v))
            return false;
        const auto high = LimitValue(s.HIGH);
        return high && v <= *high;
    }
    default:
        return false;
    }
}

} // namespace Zentrix
