#include "ChannelScale.h"
#include "LocaleFormat.h"
#include "QtPrint.h"

#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

// A reading line: code (2), value field (7, as given), unit (4).
QString L(const char *code, const char *field, const char *unit = "")
{
    return QString::fromLatin1(code).leftJustified(2).left(2) + QString::fromLatin1(field).rightJustified(7).left(7) +
           QString::fromLatin1(unit).leftJustified(4).left(4);
}

struct Case
{
    const char *name;
    int type;
    int channel;
    QString main, sub1, sub2, sub3;
    const char *format;
    double min, max;
};

TEST(ComputeScale, RulesAndExceptions)
{
    SetDecimalSeparator('.');
    const QString blank = L("", "", "");
    const Case cases[] = {
        {"type 1, four decimals, DC", 1, 0, L("DC", " 1.2345", "V"), blank, blank, blank, "#0.0000", -0.4, 0.4},
        {"type 1, four decimals, OH", 1, 0, L("OH", " 1.2345", "kOhm"), blank, blank, blank, "#0.0000", 0, 0.4},
        {"type 2, four decimals", 2, 0, L("OH", " 1.2345", "kOhm"), blank, blank, blank, "#0.0000", 0, 2},
        {"type 2, no separator", 2, 0, L("OH", "  12345", "Ohm"), blank, blank, blank, "#0.00000", 0, 0.002},
        {"type 1, no separator", 1, 0, L("OH", "  12345", "Ohm"), blank, blank, blank, "#0", 0, 4000},
        {"type 1, separator last", 1, 0, L("OH", "123456.", "Ohm"), blank, blank, blank, "#0.", 0, 4000},
        {"type 2, separator last", 2, 0, L("OH", "123456.", "Ohm"), blank, blank, blank, "#0.", 0, 20000},
        {"type 2, DC one decimal capped", 2, 0, L("DC", " 1234.5", "mV"), blank, blank, blank, "#0.0", -1000, 1000},
        {"type 2, AC one decimal capped", 2, 0, L("AC", " 1234.5", "mV"), blank, blank, blank, "#0.0", 0, 750},
        {"type 1, DC one decimal", 1, 0, L("DC", "  400.0", "V"), blank, blank, blank, "#0.0", -400, 400},
        {"type 1, AC amperes 40 to 20", 1, 0, L("AC", "  12.34", "A"), blank, blank, blank, "#0.00", 0, 20},
        {"type 1, AC milliamperes stay 40", 1, 0, L("AC", "  12.34", "mA"), blank, blank, blank, "#0.00", 0, 40},
        {"type 1, diode", 1, 0, L("DI", "  0.512", "V"), blank, blank, blank, "#0.000", 0, 2000},
        {"type 1, logic", 1, 0, L("LO", "  0.512", "V"), blank, blank, blank, "#0.000", 0, 4000},
        {"type 2, diode", 2, 0, L("DI", "  0.512", "V"), blank, blank, blank, "#0.000", 0, 2000},
        {"type 2, logic", 2, 0, L("LO", "  0.512", "V"), blank, blank, blank, "#0.000", 0, 2000},
        {"TE main", 1, 0, L("TE", "   23.4", "C"), blank, blank, blank, "#0.0", -40, 120},
        {"TE sub1 counts", 1, 1, L("TE", "   23.4", "C"), L("DC", "  0.123", "mV"), blank, blank, "#0.000", -4, 4},
        {"TE sub2", 1, 2, L("TE", "   23.4", "C"), blank, L("TE", "   74.1", "F"), blank, "#0.0", -40, 250},
        {"TE sub3 counts", 1, 3, L("TE", "   23.4", "C"), blank, blank, L("OH", "   1.23", "k"), "#0.00", -40, 40},
        {"WT sub1 amperes", 1, 1, L("WT", "  123.4", "W"), L("AC", "  1.234", "A"), blank, blank, "#0.000", 0, 20},
        {"WT sub1 dollar", 1, 1, L("WT", "  123.4", "W"), L("$ ", "  1.234", ""), blank, blank, "#0.000", 0, 100},
        {"WT sub1 dollar right", 1, 1, L("WT", "  123.4", "W"), L(" $", "  1.234", ""), blank, blank, "#0.000", 0, 100},
        {"WT sub2 volts", 1, 2, L("WT", "  123.4", "W"), blank, L("AC", "  230.1", "V"), blank, "#0.0", 0, 256},
        {"WT sub2 kWh", 1, 2, L("WT", "  123.4", "W"), blank, L("  ", "  1.234", "kWh"), blank, "#0.000", 0, 100},
        {"WT sub3 dollar", 1, 3, L("WT", "  123.4", "W"), blank, blank, L(" $", "  0.123", ""), "#0.000", 0, 1000},
        {"FR sub2 not AC", 1, 2, L("FR", "  50.00", "Hz"), blank, L("  ", "  1.234", "V"), blank, "#0.000", -4, 4},
        {"FR sub2 AC", 1, 2, L("FR", "  50.00", "Hz"), blank, L("AC", "  1.234", "V"), blank, "#0.000", 0, 4},
        {"LO sub3", 1, 3, L("LO", "  0.000", ""), blank, blank, L("  ", "  1.234", "V"), "#0.000", -4, 4},
        {"dB sub3", 1, 3, L("AC", "  0.000", ""), blank, blank, L("dB", "  12.34", "dB"), "#0.00", -40, 40},
        {"PF sub3 type 1", 1, 3, L("AC", "  0.000", ""), blank, blank, L("PF", "  0.987", ""), "#0.000", 0, 1},
        {"PF sub3 type 2", 2, 3, L("AC", "  0.000", ""), blank, blank, L("PF", "  0.987", ""), "#0.000", 0, 20},
    };
    for (const Case &c : cases) {
        ChannelScale s;
        s.VisibleSpan = 37;
        ComputeScale(c.channel, c.main, c.sub1, c.sub2, c.sub3, s, c.type);
        EXPECT_EQ(s.ValueFormat, c.format) << c.name;
        EXPECT_DOUBLE_EQ(s.RangeMin, c.min) << c.name;
        EXPECT_DOUBLE_EQ(s.RangeMax, c.max) << c.name;
        EXPECT_EQ(s.VisibleSpan, 37) << c.name;
        EXPECT_GE(s.RangeMax, s.RangeMin) << c.name;
    }
    ResetDecimalSeparator();
}

TEST(ComputeScale, UsesTheLocaleSeparator)
{
    SetDecimalSeparator(',');
    ChannelScale s;
    ComputeScale(0, L("DC", " 1,2345", "V"), "", "", "", s, 1);
    EXPECT_EQ(s.ValueFormat, "#0.0000");
    EXPECT_DOUBLE_EQ(s.RangeMax, 0.4);
    // A point is no separator there: the field counts as one without.
    ComputeScale(0, L("DC", " 1.2345", "V"), "", "", "", s, 1);
    EXPECT_EQ(s.ValueFormat, "#0");
    EXPECT_DOUBLE_EQ(s.RangeMax, 1000);
    EXPECT_EQ(FormatValue(0.4, "#0.0000"), "0,4000");
    ResetDecimalSeparator();
}

TEST(FormatValue, Notation)
{
    SetDecimalSeparator('.');
    const std::tuple<double, const char *, const char *> cases[] = {
        {0.4, "#0.0000", "0.4000"}, {4, "###0.00", "4.00"}, {-4.1, "###0.00", "-4.10"},
        {4000, "#0", "4000"},       {4000, "#0.", "4000"},   {-0.0001, "#0.00", "0.00"},
        {12.345, "#0.0", "12.3"},
    };
    for (const auto &[v, f, text] : cases)
        EXPECT_EQ(FormatValue(v, f), text) << v << " " << f;
    ResetDecimalSeparator();
}

} // namespace
