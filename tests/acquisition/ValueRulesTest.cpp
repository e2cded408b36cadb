#include "LocaleFormat.h"
#include "ReadingLine.h"
#include "ValueRules.h"

#include "QtPrint.h"

#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

class ValueRules : public ::testing::Test
{
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { ResetDecimalSeparator(); }
};

struct ClassCase
{
    const char *text;
    int expected;
};

TEST_F(ValueRules, ClassifyValueWithPointSeparator)
{
    const ClassCase cases[] = {
        {"  1.234 ", vcNumber},   {" -0.5", vcNumber},      {"1.2.3", vcNumber},
        {"  OL   ", vcOverload},  {" O.L", vcOverload},     {"-OL", vcNegOverload},
        {" -O.L", vcNegOverload}, {"OL-", vcNegOverload},   {"", vcNotNumber},
        {"       ", vcNotNumber}, {"----", vcNotNumber},    {"\t\r1.0\r", vcNumber},
        {"1,25", vcNotNumber},    {"ERR", vcNotNumber},     {"O L", vcNotNumber},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ClassifyValue(QString::fromLatin1(c.text)), c.expected) << '"' << c.text << '"';
}

TEST_F(ValueRules, ClassifyValueWithCommaSeparator)
{
    SetDecimalSeparator(',');
    const ClassCase cases[] = {
        {"1,25", vcNumber}, {"1.25", vcNotNumber}, {" O,L", vcOverload}, {"-O,L", vcNegOverload},
        // Only the locale separator is removed before the OL test.
        {"-O.L", vcNotNumber},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ClassifyValue(QString::fromLatin1(c.text)), c.expected) << '"' << c.text << '"';
}

TEST_F(ValueRules, NumberConversionGrammar)
{
    struct Case
    {
        const char *text;
        bool converts;
        double value;
    };
    const Case cases[] = {
        {"1.5", true, 1.5},      {"  -2.25  ", true, -2.25}, {"+3", true, 3},
        {"1e3", true, 1000},     {"2.5E-2", true, 0.025},    {"1E+2", true, 100},
        {".5", true, 0.5},       {"5.", true, 5},            {"", false, 0},
        {"   ", false, 0},       {"1,000", false, 0},        {"1.2.3", false, 0},
        {"1e", false, 0},        {"e5", false, 0},           {"-", false, 0},
        {"1 2", false, 0},       {"0x10", false, 0},         {"inf", false, 0},
        {"nan", false, 0},       {"1e999", false, 0},        {"--1", false, 0},
    };
    for (const auto &c : cases) {
        const auto v = ConvertNumber(QString::fromLatin1(c.text));
        EXPECT_EQ(v.has_value(), c.converts) << '"' << c.text << '"';
        if (v) {
            EXPECT_DOUBLE_EQ(*v, c.value) << '"' << c.text << '"';
        }
    }
}

TEST_F(ValueRules, CommaLocaleConvertsCommaOnly)
{
    SetDecimalSeparator(',');
    EXPECT_DOUBLE_EQ(ConvertNumber("1,5").value(), 1.5);
    EXPECT_FALSE(ConvertNumber("1.5"));
    EXPECT_FALSE(ConvertNumber("1,000,0"));
    EXPECT_TRUE(IsNumeric("\r 2,0 \r"));
}

struct CompareCase
{
    const char *a;
    const char *b;
    bool less;
    bool greater;
};

// Every row of both tables: classes of a against classes of b.
TEST_F(ValueRules, ValueLessAndGreaterTables)
{
    const CompareCase cases[] = {
        // a negative overload
        {"-OL", "-OL", true, false},
        {"-OL", "", true, true},
        {"-OL", "   ", true, true},
        {"-OL", "5.0", true, false},
        {"-OL", "OL", true, false},
        {"-OL", "abc", true, false},
        // a overload
        {"OL", "", true, true},
        {"OL", "  ", true, true},
        {"OL", "5.0", false, true},
        {"OL", "OL", false, true},
        {"OL", "-OL", false, true},
        // a not a number
        {"abc", "", false, false},
        {"abc", "5.0", false, false},
        {"----", "-OL", false, false},
        // a number
        {"2.0", "10.0", true, false},
        {"10.0", "2.0", false, true},
        {"3.0", "3.00", false, false},
        {"5.0", "OL", true, false},
        {"5.0", "-OL", false, true},
        {"5.0", "", false, false},
        {"5.0", "xyz", false, false},
        // class 0 that does not convert in full counts as 0
        {"1.2.3", "0.5", true, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ValueLess(c.a, c.b), c.less) << "ValueLess(" << c.a << ", " << c.b << ")";
        EXPECT_EQ(ValueGreater(c.a, c.b), c.greater) << "ValueGreater(" << c.a << ", " << c.b << ")";
    }
}

TEST_F(ValueRules, ReplaceAllRestartsFromTheStart)
{
    EXPECT_EQ(ReplaceAll("xCOCOx", "CO", "PF"), "xPFPFx");
    // A replacement that forms the old text again is found again from the start.
    EXPECT_EQ(ReplaceAll("CCOO", "CO", "C"), "CC");
    EXPECT_EQ(ReplaceAll("1.2.3", ".", ","), "1,2,3");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    // A new text that holds the old one must not loop forever.
    EXPECT_EQ(ReplaceAll("a.b", ".", ".."), "a..b");
}

TEST_F(ValueRules, ReadingLineFieldsByPosition)
{
    const QString line = "DC  1.234 mV \r";
    EXPECT_EQ(LineFunction(line), "DC");
    EXPECT_EQ(LineValue(line), "1.234");
    EXPECT_EQ(LineUnit(line), "mV");
    const QString power = "$  0.1234kWh";
    EXPECT_EQ(LineFunction(power), "$");
    EXPECT_EQ(LineValue(power), "0.1234");
    EXPECT_EQ(LineUnit(power), "kWh");
    EXPECT_EQ(LineValue("AC"), "");
    EXPECT_EQ(LineUnit("DC  1.234"), "");
}

} // namespace
