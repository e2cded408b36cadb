#include "GridView.h"
#include "TestDir.h"
#include "TextGrid.h"
#include "TfrmData.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

class DataSheet : public ::testing::Test
{
protected:
    TestProgramDir program;
    QMdiArea area;
    std::unique_ptr<TfrmData> data;

    void SetUp() override
    {
        area.resize(800, 600);
        data = std::make_unique<TfrmData>(&area);
    }
    QString summary(int col, int row) const { return data->SG3->Cell(col, row); }
    static QString line(const QString &value) { return "DC" + value.leftJustified(7) + "V   "; }
};

TEST_F(DataSheet, CreationLayout)
{
    EXPECT_EQ(data->subWindow()->windowTitle(), "Data Sheet");
    EXPECT_FALSE(data->subWindow()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(data->subWindow()->size(), QSize(480, 200));
    EXPECT_EQ(data->SG1->Row(0), QStringList({"NO", "MAIN", "SUB1", "SUB2", "SUB3", "TIME"}));
    EXPECT_EQ(data->SG3->Row(0), QStringList({"VALUE", "MAIN", "SUB1", "SUB2", "SUB3"}));
    const char *labels[] = {"Min Time", "Min Value", "Max Time", "Max Value"};
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(summary(0, r), labels[r - 1]);
    EXPECT_EQ(data->SG1->RowCount(), 2);
    EXPECT_TRUE(data->FirstRowFree);
    // The companion grid holds the settings of the moment.
    EXPECT_EQ(data->SG2->Row(3), QStringList({"CFG4", "FALSE", "1", "2", "", ""}));
    const int widths[] = {40, 91, 91, 90, 89, 56};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(data->SG1View->columnWidth(c), widths[c]);
    // The operator cannot close it.
    data->subWindow()->close();
    EXPECT_FALSE(data->subWindow()->isHidden() && data->subWindow()->parent() == nullptr);
    EXPECT_TRUE(area.subWindowList().contains(data->subWindow()));
}

TEST_F(DataSheet, RowsAreNumberedAndStamped)
{
    data->AddRow("0", line("1.000"), "", "", "", "");
    EXPECT_EQ(data->SG1->RowCount(), 2);
    EXPECT_FALSE(data->FirstRowFree);
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(data->SG1->Cell(5, 1)).hasMatch())
        << data->SG1->Cell(5, 1).toStdString();
    data->AddRow("1", line("2.000"), "s1", "s2", "s3", "12:34:56");
    EXPECT_EQ(data->SG1->RowCount(), 3);
    EXPECT_EQ(data->SG1->Row(2), QStringList({"1", line("2.000"), "s1", "s2", "s3", "12:34:56"}));
    EXPECT_EQ(data->SG1->CurrentRow(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(data->SG1View->currentIndex().row(), 1);
}

TEST_F(DataSheet, SummaryFollowsTheValueOrder)
{
    struct Step
    {
        QString value, time;
        QString minTime, minValue, maxTime, maxValue;
    };
    const std::vector<std::vector<Step>> runs = {
        {{"1.000", "01:00:00", "01:00:00", "1.000", "01:00:00", "1.000"},
         {"OL", "02:00:00", "01:00:00", "1.000", "02:00:00", "OL"},
         {"0.500", "03:00:00", "03:00:00", "0.500", "02:00:00", "OL"}},
        {{"-OL", "01:00:00", "01:00:00", "-OL", "01:00:00", "-OL"},
         {"2.0", "02:00:00", "01:00:00", "-OL", "02:00:00", "2.0"},
         {"- O.L", "03:00:00", "03:00:00", "- O.L", "02:00:00", "2.0"}},
        // equal numbers keep the first time; blanks and words change nothing
        {{"5.0", "01:00:00", "01:00:00", "5.0", "01:00:00", "5.0"},
         {"5.00", "02:00:00", "01:00:00", "5.0", "01:00:00", "5.0"},
         {"", "03:00:00", "01:00:00", "5.0", "01:00:00", "5.0"},
         {"----", "04:00:00", "01:00:00", "5.0", "01:00:00", "5.0"}},
        // an overload into an empty channel fills both; a repeated one moves the time
        {{"OL", "01:00:00", "01:00:00", "OL", "01:00:00", "OL"},
         {"3.0", "02:00:00", "02:00:00", "3.0", "01:00:00", "OL"},
         {"OL", "03:00:00", "02:00:00", "3.0", "03:00:00", "OL"}},
    };
    for (size_t run = 0; run < runs.size(); ++run) {
        data->ClearRows();
        for (size_t i = 0; i < runs[run].size(); ++i) {
            const Step &s = runs[run][i];
            data->AddRow(QString::number(i), line(s.value), "", "", "", s.time);
            const std::string where = "run " + std::to_string(run) + " step " + std::to_string(i);
            EXPECT_EQ(summary(1, 1), s.minTime) << where;
            EXPECT_EQ(summary(1, 2), s.minValue) << where;
            EXPECT_EQ(summary(1, 3), s.maxTime) << where;
            EXPECT_EQ(summary(1, 4), s.maxValue) << where;
        }
    }
}

TEST_F(DataSheet, EachChannelHasItsOwnColumnAndShortLinesAreIgnored)
{
    data->UpdateSummary("AC", line("1.0"), line("2.0"), line("3.0"), "07:07:07");
    EXPECT_EQ(summary(1, 2), "");
    EXPECT_EQ(summary(2, 2), "1.0");
    EXPECT_EQ(summary(3, 4), "2.0");
    EXPECT_EQ(summary(4, 1), "07:07:07");
    // An empty time stamps the current time.
    data->UpdateSummary(line("9.0"), "", "", "", "");
    EXPECT_FALSE(summary(1, 1).isEmpty());
    EXPECT_NE(summary(1, 1), "07:07:07");
}

TEST_F(DataSheet, ClearRowsOnAFullSheet)
{
    for (int i = 0; i < 500; ++i)
        data->AddRow(QString::number(i), line(QString::number(i)), line("1"), "", "", "");
    ASSERT_EQ(data->SG1->RowCount(), 501);
    data->ClearRows();
    EXPECT_EQ(data->SG1->RowCount(), 2);
    EXPECT_EQ(data->SG1->Row(0), QStringList({"NO", "MAIN", "SUB1", "SUB2", "SUB3", "TIME"}));
    EXPECT_EQ(data->SG1->Row(1), QStringList(6, QString()));
    EXPECT_TRUE(data->FirstRowFree);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c)
            EXPECT_EQ(summary(c, r), "") << c << "," << r;
    EXPECT_EQ(summary(0, 2), "Min Value");
    data->AddRow("0", line("1"), "", "", "", "");
    EXPECT_EQ(data->SG1->RowCount(), 2);
}

TEST_F(DataSheet, MovedColumnsKeepTheirIndexes)
{
    data->AddRow("0", "main", "sub1", "sub2", "sub3", "10:00:00");
    // The operator drags MAIN to the far right: only the view changes.
    data->SG1View->horizontalHeader()->moveSection(1, 5);
    data->AddRow("1", "main2", "sub1b", "", "", "10:00:01");
    EXPECT_EQ(data->SG1->Cell(1, 2), "main2");
    EXPECT_EQ(data->SG1->Cell(2, 2), "sub1b");
}

TEST_F(DataSheet, PlacementIsKeptInTheSettingsFile)
{
    data->subWindow()->setGeometry(30, 40, 500, 260);
    data->SavePlacement();
    EXPECT_TRUE(program.readIni().contains("[FORM]\nDataSheet=30,40,500,260"));
    data.reset();
    data = std::make_unique<TfrmData>(&area);
    EXPECT_EQ(data->subWindow()->geometry(), QRect(30, 40, 500, 260));
    // The limits hold for a stored rectangle too.
    program.writeIni("[FORM]\nDataSheet=0,0,900,50\n");
    data.reset();
    data = std::make_unique<TfrmData>(&area);
    EXPECT_EQ(data->subWindow()->size(), QSize(600, 200));
}

} // namespace
