#include "Controls.h"
#include "DialGauge.h"
#include "TestDir.h"
#include "TfrmGauge.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

const QString kBlank(13, ' ');
QString dc(const QString &value) { return "DC" + value.rightJustified(7) + "V   "; }

class Gauge : public ::testing::Test
{
protected:
    TestProgramDir program;
    QMdiArea area;
    TfrmGauge *gauge = new TfrmGauge(&area);

    float needle() const { return gauge->RGauge->Position(); }
    int bar() const { return gauge->TrBar->value(); }
};

TEST_F(Gauge, StandsAtZeroAfterCreationAndClear)
{
    EXPECT_EQ(gauge->subWindow()->size(), QSize(320, 260));
    EXPECT_EQ(gauge->subWindow()->windowTitle(), "MAIN Gauge");
    EXPECT_EQ(gauge->lblData->text(), "0.0000");
    EXPECT_FLOAT_EQ(needle(), 0);
    EXPECT_EQ(bar(), 0);
    gauge->ShowSample(dc("3.000"), kBlank, kBlank, kBlank);
    EXPECT_GT(needle(), 50);
    gauge->ClearGauge();
    EXPECT_FLOAT_EQ(needle(), 0);
    EXPECT_EQ(bar(), 0);
    EXPECT_EQ(gauge->lblData->text(), "  3.000"); // the display keeps its text
    EXPECT_DOUBLE_EQ(gauge->Scale.RangeMin, -4);
    EXPECT_DOUBLE_EQ(gauge->Scale.RangeMax, 4);
}

TEST_F(Gauge, PositionsOnTheRange)
{
    const struct
    {
        double min, max, x;
        float needle;
        int bar;
    } cases[] = {
        {-10, 10, 0, 50, 50}, {-10, 10, 25, 100, 100}, {-10, 10, -25, 0, 0}, {0, 100, 37.9, 37.9f, 37},
    };
    for (const auto &c : cases) {
        gauge->Scale.RangeMin = c.min;
        gauge->Scale.RangeMax = c.max;
        gauge->DrawGauge(c.x);
        EXPECT_FLOAT_EQ(needle(), c.needle) << c.x;
        EXPECT_EQ(bar(), c.bar) << c.x;
    }
    // An empty range moves nothing.
    gauge->Scale.RangeMin = gauge->Scale.RangeMax = 1;
    gauge->DrawGauge(0);
    EXPECT_EQ(bar(), 37);
}

TEST_F(Gauge, ReadingsByClass)
{
    const struct
    {
        QString value;
        float needle;
    } cases[] = {{"OL", 100}, {"-OL", 0}, {"----", 50}, {"2.000", 75}};
    for (const auto &c : cases) {
        gauge->ShowSample(dc(c.value), kBlank, kBlank, kBlank);
        EXPECT_FLOAT_EQ(needle(), c.needle) << c.value.toStdString();
        EXPECT_EQ(gauge->lblData->text(), c.value.rightJustified(7)) << c.value.toStdString();
    }
    // A blank line shows ERROR and moves nothing.
    gauge->ShowSample(kBlank, kBlank, kBlank, kBlank);
    EXPECT_EQ(gauge->lblData->text(), "ERROR");
    EXPECT_FLOAT_EQ(needle(), 75);
}

TEST_F(Gauge, TwoGaugesOnTwoChannels)
{
    auto *other = new TfrmGauge(&area);
    other->cbChannel->setCurrentIndex(2);
    EXPECT_EQ(Settings.CHANNEL, 2);
    EXPECT_EQ(other->subWindow()->windowTitle(), "SUB2 Gauge");
    const QString main = dc("1.000"), sub2 = "AC  3.000V   ";
    gauge->ShowSample(main, kBlank, sub2, kBlank);
    other->ShowSample(main, kBlank, sub2, kBlank);
    EXPECT_EQ(gauge->lblData->text(), "  1.000");
    EXPECT_EQ(other->lblData->text(), "  3.000");
    EXPECT_FLOAT_EQ(gauge->RGauge->Position(), 62.5f); // -4..4
    EXPECT_FLOAT_EQ(other->RGauge->Position(), 87.5f); // main DC: -4..4 as well
}

TEST_F(Gauge, ChannelListLockedWhileAcquiring)
{
    gauge->EnableControls(false);
    EXPECT_FALSE(gauge->cbChannel->isEnabled());
    gauge->EnableControls(true);
    EXPECT_TRUE(gauge->cbChannel->isEnabled());
}

TEST_F(Gauge, DialHoldsItsPosition)
{
    TDialGauge dial;
    dial.SetPosition(150);
    EXPECT_FLOAT_EQ(dial.Position(), 100);
    dial.SetPosition(-1);
    EXPECT_FLOAT_EQ(dial.Position(), 0);
    dial.resize(200, 200);
    dial.grab(); // paints without a display
}

} // namespace
