#include "DataSheetRules.h"
#include "Global.h"
#include "TextGrid.h"

#include <QSignalSpy>
#include "QtPrint.h"

#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

TEST(TextGrid, CellsKeepAnyTextUnchanged)
{
    TextGrid g(6, 3, 1, 1);
    const QString texts[] = {"", "DC  1.234 mV ", QString(300, 'x'), "a,b\r\nc", QString::fromUtf8("Ω µA °C"),
                             QString(QChar(0)) + "z"};
    for (int c = 0; c < 6; ++c)
        g.SetCell(c, 2, texts[c]);
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g.Cell(c, 2), texts[c]) << c;
    // Rewriting one cell leaves its neighbours alone.
    g.SetCell(3, 2, "new");
    EXPECT_EQ(g.Cell(2, 2), texts[2]);
    EXPECT_EQ(g.Cell(3, 2), "new");
    EXPECT_EQ(g.Cell(4, 2), texts[4]);
    // Outside the grid: nothing, and no write.
    g.SetCell(6, 2, "no");
    g.SetCell(0, 3, "no");
    EXPECT_EQ(g.Cell(6, 2), "");
    EXPECT_EQ(g.Cell(0, -1), "");
    EXPECT_EQ(g.RowCount(), 3);
}

TEST(TextGrid, RowCountGrowsAndShrinksAsModelRows)
{
    TextGrid g(6, 2, 1, 1);
    QSignalSpy inserted(&g, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&g, &QAbstractItemModel::rowsRemoved);
    EXPECT_EQ(g.rowCount(), 1); // heading row is not a model row
    g.SetRow(1, {"0", "a"});
    g.SetRowCount(5);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 1);
    EXPECT_EQ(inserted[0][2].toInt(), 3);
    EXPECT_EQ(g.rowCount(), 4);
    g.SetRow(4, {"3", "d"});
    g.SetRowCount(2);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(g.Cell(1, 1), "a");
    // Growing again gives empty rows, not the dropped texts.
    g.SetRowCount(5);
    EXPECT_EQ(g.Cell(1, 4), "");
    EXPECT_EQ(g.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "");
    g.SetCell(1, 0, "MAIN");
    EXPECT_EQ(g.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "MAIN");
    EXPECT_EQ(g.data(g.index(0, 1), Qt::DisplayRole).toString(), "a");
}

TEST(TextGrid, RewritesDoNotGrowMemoryForever)
{
    TextGrid g(6, 1001, 1, 1);
    for (int pass = 0; pass < 200; ++pass)
        for (int r = 1; r <= 1000; ++r)
            g.SetRow(r, {QString::number(r), "DC  1.234 mV ", "AC  0.000 V  ", "", "", "12:00:00"});
    EXPECT_EQ(g.Cell(0, 1000), "1000");
    EXPECT_EQ(g.Cell(5, 1), "12:00:00");
    // 1000 live rows of ~45 bytes: far below what 200 passes of garbage would hold.
    EXPECT_LT(g.StorageBytes(), 6u << 20);
}

TEST(ReplayRowLines, ShortCellsBecomeBlankLines)
{
    const QString blank = QString(13, ' ') + "\r";
    const struct
    {
        QString cell;
        QString line;
    } cases[] = {
        {"", blank},
        {"DC  1.234 m", blank},                        // 11 characters
        {"DC  1.234 mV", "DC  1.234 mV\r"},            // 12
        {"DC  1.234 mV ", "DC  1.234 mV \r"},          // 13
        {QString(300, 'x'), QString(255, 'x')},        // a line holds at most 255 characters
        {QString::fromUtf8("TE  23.4 °C "), QString::fromUtf8("TE  23.4 °C \r")},
        {QString::fromUtf8("°°°°°°°°°°°"), blank},     // 11 characters in more bytes
    };
    for (const auto &c : cases) {
        TextGrid g(6, 2, 1, 1);
        g.SetRow(1, {"0", c.cell, "", c.cell, "", "12:00:00"});
        const ReplayedRow r = ReplayRowLines(g, 1);
        EXPECT_EQ(r.main, c.line) << c.cell.toStdString();
        EXPECT_EQ(r.sub2, c.line) << c.cell.toStdString();
        EXPECT_EQ(r.sub1, blank);
        EXPECT_EQ(r.time, "12:00:00");
    }
    // A row that was never written replays as four blank lines.
    TextGrid g(6, 2, 1, 1);
    const ReplayedRow r = ReplayRowLines(g, 1);
    EXPECT_EQ(r.sub3, blank);
    EXPECT_EQ(r.time, "");
}

} // namespace
