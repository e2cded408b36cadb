#include "Global.h"
#include "LocaleFormat.h"
#include "MeterLink.h"

#include "QtPrint.h"

#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

class Link : public ::testing::Test
{
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { ResetDecimalSeparator(); }
    static QString line(const QString &value) { return "DC" + value.rightJustified(7) + "V   "; }
};

TEST_F(Link, FramingCountsFourCarriageReturns)
{
    MeterLink l;
    l.Start(1);
    const QString response = "DC  1.000V   \rAC  2.000V   \rFR 50.000Hz  \r             \rDC";
    int completed = 0;
    for (QChar c : response) {
        if (l.FeedChar(c)) {
            ++completed;
            EXPECT_EQ(l.RxBuffer.size(), 56);
            EXPECT_TRUE(l.ResponseLongEnough());
            l.OnePacket_Parser();
            EXPECT_EQ(l.LineMain, "DC  1.000V   ");
            EXPECT_EQ(l.LineSub2, "FR 50.000Hz  ");
            EXPECT_EQ(l.LineSub3, "             ");
            l.EndResponse();
        }
    }
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(l.RxBuffer, "DC");
}

TEST_F(Link, ParserLeavesMissingLinesEmpty)
{
    MeterLink l;
    l.RxBuffer = "only one\r";
    QStringList traced;
    l.OnePacket_Parser([&](const QString &s) { traced << s; });
    EXPECT_EQ(l.LineMain, "only one");
    EXPECT_EQ(l.LineSub1, "");
    EXPECT_EQ(traced, QStringList({"only one", "", "", ""}));
}

TEST_F(Link, PollTicksGiveUpOnTheFourth)
{
    MeterLink l;
    l.Start(1);
    EXPECT_EQ(l.PollTick(false), MeterLink::Tick::PortClosed);
    EXPECT_EQ(l.NoReplyCount, 0);
    l.RxBuffer = "DC  1.0\r\r";
    l.CrCount = 2;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(l.PollTick(true), MeterLink::Tick::Poll);
    // A poll throws away a torn response whole, its carriage returns included.
    EXPECT_EQ(l.RxBuffer, "");
    EXPECT_EQ(l.CrCount, 0);
    EXPECT_EQ(l.PollTick(true), MeterLink::Tick::GiveUp);
}

TEST_F(Link, NormalizeTurnsCoIntoPfAndPointsIntoTheLocaleSeparator)
{
    MeterLink l;
    l.RxBuffer = "CO  1.234nF  \rxCOCOx";
    l.Normalize();
    EXPECT_EQ(l.RxBuffer, "PF  1.234nF  \rxPFPFx");
    SetDecimalSeparator(',');
    l.RxBuffer = "DC  1.234V   \r";
    l.Normalize();
    EXPECT_EQ(l.RxBuffer, "DC  1,234V   \r");
}

TEST_F(Link, SampleValues)
{
    const std::pair<QString, double> cases[] = {
        {line("1.5"), 1.5}, {line("-2.25"), -2.25}, {line("OL"), 99999}, {line(" O.L"), 99999},
        {line("-OL"), -99999}, {line(""), 0}, {line("1.2.3"), 0}, {"", 0}, {line("----"), 0},
    };
    for (const auto &[l, v] : cases)
        EXPECT_DOUBLE_EQ(SampleValue(l), v) << l.toStdString();
}

struct TriggerCase
{
    const char *name;
    int trigger;
    const char *value;
    int delay;
    std::vector<QString> readings;
    std::vector<bool> opens;
};

TEST_F(Link, TriggerSequences)
{
    const TriggerCase cases[] = {
        {"rising 5, delay 1", 1, "5", 1, {"1", "6", "2", "3", "4"}, {false, false, false, true, false}},
        {"falling 0 from below", 2, "0", 1, {"-1", "-2", "-3"}, {false, false, true}},
        {"rising on an overload", 1, "99999", 1, {"5", "OL", "1", "1"}, {false, false, false, true}},
        {"negative overload never rises", 1, "-99998", 0 + 1, {"-OL", "-OL", "-OL"}, {false, false, false}},
        {"delay 0 opens at once", 1, "1000", 0, {"1"}, {true}},
        {"delay 2", 1, "1", 2, {"1", "0", "0", "0"}, {false, false, false, true}},
        {"trigger 3 never arms", 3, "0", 1, {"5", "5", "5"}, {false, false, false}},
        {"level under a comma locale file", 1, "2,5", 1, {"3", "0", "0"}, {false, false, true}},
        {"level that is no number", 1, "abc", 1, {"5", "5", "5"}, {false, false, false}},
    };
    for (const TriggerCase &c : cases) {
        TSettings s;
        s.TRIGGER = c.trigger;
        s.VALUE = c.value;
        MeterLink l;
        l.Start(c.delay);
        for (size_t i = 0; i < c.readings.size(); ++i) {
            // The pipeline asks the trigger only while it is pending.
            const bool opened = l.TriggerPending && TriggerCheck(l, s, line(c.readings[i]));
            EXPECT_EQ(opened, c.opens[i]) << c.name << " sample " << i;
        }
    }
}

TEST_F(Link, TriggerStaysOpenWhateverChangesLater)
{
    TSettings s;
    s.TRIGGER = 1;
    s.VALUE = "5";
    MeterLink l;
    l.Start(0);
    EXPECT_TRUE(TriggerCheck(l, s, line("0")));
    EXPECT_FALSE(l.TriggerPending);
    s.VALUE = "100";
    EXPECT_FALSE(TriggerCheck(l, s, line("0")));
    EXPECT_FALSE(l.TriggerPending);
}

TEST_F(Link, CaptureConditions)
{
    struct Case
    {
        int capture;
        const char *low, *high, *reading;
        bool accepted;
    };
    const Case cases[] = {
        {1, "0", "0.0000", "0.000", true},   {1, "0", "0.0000", "OL", true},
        {1, "0", "0.0000", "----", true},    {1, "0", "0.0000", "-OL", false},
        {1, "0", "0.0000", "-0.001", false}, {2, "1.5", "0", "1.5", true},
        {2, "1.5", "0", "1.6", false},       {2, "1.5", "0", "-OL", true},
        {3, "1", "2", "1.0", true},          {3, "1", "2", "2.0", true},
        {3, "1", "2", "2.1", false},         {3, "1", "2", "0.9", false},
        {3, "3", "2", "2.5", false},         {3, "2", "2", "2.0", true},
        {3, "2", "2", "2.001", false},       {4, "0", "0", "0", false},
        {1, "0", "junk", "5", false},        {3, "junk", "9", "5", false},
    };
    for (const Case &c : cases) {
        TSettings s;
        s.CAPTURE = c.capture;
        s.LOW = c.low;
        s.HIGH = c.high;
        EXPECT_EQ(CaptureCheck(s, line(c.reading)), c.accepted)
            << c.capture << " low " << c.low << " high " << c.high << " reading " << c.reading;
    }
}

TEST_F(Link, DefaultLimitsWorkUnderACommaLocale)
{
    SetDecimalSeparator(',');
    TSettings s;
    s.CAPTURE = 1; // HIGH is the default "0.0000"
    EXPECT_TRUE(CaptureCheck(s, line("1,5")));
    EXPECT_FALSE(CaptureCheck(s, line("-1,5")));
    EXPECT_DOUBLE_EQ(LimitValue("0.5").value(), 0.5);
    EXPECT_DOUBLE_EQ(LimitValue("0,5").value(), 0.5);
    EXPECT_FALSE(LimitValue("1.000,5"));
}

} // namespace
