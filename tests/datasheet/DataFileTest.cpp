#include "AppError.h"
#include "DataSheetRules.h"
#include "GridTextFile.h"
#include "TestDir.h"
#include "TextGrid.h"
#include "TfrmData.h"

#include <QDir>
#include <QProcess>
#include <QMdiArea>
#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

QByteArray readFile(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(DataFileNames, FromTheChosenName)
{
    const struct
    {
        const char *chosen, *data, *companion;
    } cases[] = {
        {"/d/run.dmm", "/d/run.dmm", "/d/run.CFG"},
        {"/d/run", "/d/run.DMM", "/d/run.CFG"},
        {"/d/run.txt", "/d/run.DMM", "/d/run.CFG"},
        {"/d/run.1.dmm", "/d/run.1.dmm", "/d/run.1.CFG"},
        {"/d/data.old/run.dmm", "/d/data.old/run.dmm", "/d/data.old/run.CFG"},
        {"/d/data.old/run", "/d/data.old/run.DMM", "/d/data.old/run.CFG"},
        {"/d/Run.Dmm", "/d/Run.Dmm", "/d/Run.CFG"},
    };
    for (const auto &c : cases) {
        const DataFileNames n = DeriveDataFileNames(c.chosen);
        EXPECT_EQ(n.data, c.data) << c.chosen;
        EXPECT_EQ(n.companion, c.companion) << c.chosen;
    }
}

TEST(GridTextForm, LinesAndCells)
{
    TextGrid g(3, 2, 0, 0);
    EXPECT_EQ(GridText(g), ",,,\r\n,,,\r\n");
    // Each line ending kind, a last line without end, a line without its final comma, an empty line.
    ParseGridText(g, "a,b,c,\r\nd,e\rf,,\n\ng,h,i,j");
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.Row(0), QStringList({"a", "b", "c", ""}));
    EXPECT_EQ(g.Row(1), QStringList({"d", "e", "", ""}));
    EXPECT_EQ(g.Row(2), QStringList({"f", "", "", ""}));
    EXPECT_EQ(g.Row(3), QStringList({"", "", "", ""}));
    EXPECT_EQ(g.Row(4), QStringList({"g", "h", "i", "j"}));
    // Cells the text does not reach keep theirs; the grid never shrinks.
    ParseGridText(g, "x,\r\n");
    EXPECT_EQ(g.Row(0), QStringList({"x", "b", "c", ""}));
    EXPECT_EQ(g.RowCount(), 5);
}

TEST(GridTextForm, CellsWithCommasOrLineBreaksReadBackWhole)
{
    TextGrid g(4, 2, 0, 0);
    g.SetRow(0, {"DC  1,234V   ", "two\r\nlines", "\"quoted\"", "plain"});
    g.SetRow(1, {"", "a\"b", "", ","});
    const QByteArray text = GridText(g);
    EXPECT_EQ(text, "\"DC  1,234V   \",\"two\r\nlines\",\"\"\"quoted\"\"\",plain,\r\n,a\"b,,\",\",\r\n");
    TextGrid back(4, 2, 0, 0);
    ParseGridText(back, text);
    EXPECT_EQ(back.RowCount(), 2);
    EXPECT_EQ(back.Row(0), g.Row(0));
    EXPECT_EQ(back.Row(1), g.Row(1));
}

TEST(ConfigGrid, AppliesAndRefusesBadIntegers)
{
    TextGrid g(6, 4, 0, 0);
    TSettings s;
    FillConfigGrid(g, s);
    EXPECT_EQ(GridText(g), "CFG1,1,1,0,100,100,\r\nCFG2,0,0,0,1,0.0000,\r\nCFG3,0,0.0000,0.0000,FALSE,FALSE,\r\n"
                           "CFG4,FALSE,1,2,,,\r\n");
    ParseGridText(g, "CFG1,3, 5 ,-2,50,7,\r\nX,1,2,1,4,1.5,\r\nX,3,9,1,true,TRUE,\r\nX,TRUE,2,10,,,\r\n");
    ApplyConfigGrid(g, s);
    EXPECT_EQ(s.MODEL, 3);
    EXPECT_EQ(s.PORT, 5);
    EXPECT_EQ(s.GOFFSET, -2);
    EXPECT_EQ(s.COUNT, 7);
    EXPECT_EQ(s.MAINCHANNEL, 1);
    EXPECT_EQ(s.VALUE, "1.5");
    EXPECT_EQ(s.HIGH, "9");
    EXPECT_FALSE(s.ACQUIRE); // lower-case true is false
    EXPECT_TRUE(s.GAUGE);
    EXPECT_TRUE(s.DEBUG);
    EXPECT_EQ(s.TYPE, 2);
    EXPECT_EQ(s.INTERVAL, 10);
    g.SetCell(4, 1, "four");
    try {
        ApplyConfigGrid(g, s);
        FAIL();
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "'four' is not a valid integer value");
    }
    EXPECT_EQ(s.DELAY, 4); // nothing applied from the refused grid
}

class DataFiles : public ::testing::Test
{
protected:
    TestProgramDir program;
    QMdiArea area;
    std::unique_ptr<TfrmData> data = std::make_unique<TfrmData>(&area);
};

TEST_F(DataFiles, EmptySheetSavesInTheFileLayout)
{
    data->ReadWriteFile(program.path("empty"), false);
    EXPECT_EQ(readFile(program.path("empty.DMM")), "NO,MAIN,SUB1,SUB2,SUB3,TIME,\r\n,,,,,,\r\n");
    EXPECT_EQ(readFile(program.path("empty.CFG")), "CFG1,1,1,0,100,100,\r\nCFG2,0,0,0,1,0.0000,\r\n"
                                                   "CFG3,0,0.0000,0.0000,FALSE,FALSE,\r\nCFG4,FALSE,1,2,,,\r\n");
    data->AddRow("0", "x", "", "", "", "");
    data->ReadWriteFile(program.path("empty.DMM"), true);
    EXPECT_EQ(data->SG1->RowCount(), 2);
    EXPECT_EQ(data->SG1->Row(1), QStringList(6, QString()));
    EXPECT_TRUE(data->FirstRowFree);
}

TEST_F(DataFiles, SamplesRoundTripAndSettingsAreThoseOfNow)
{
    for (int i = 0; i < 3; ++i)
        data->AddRow(QString::number(i), "DC  1.00" + QString::number(i) + "V   ", "AC  0.000V   ", "", "",
                     "12:00:0" + QString::number(i));
    Settings.INTERVAL = 30;
    data->ReadWriteFile(program.path("run.dmm"), false);
    EXPECT_TRUE(readFile(program.path("run.dmm")).startsWith("NO,MAIN,SUB1,SUB2,SUB3,TIME,\r\n0,DC  1.000V   ,"));
    EXPECT_TRUE(readFile(program.path("run.CFG")).contains("CFG4,FALSE,1,30,,,\r\n"));
    const QStringList row2 = data->SG1->Row(2);
    data->ClearRows();
    Settings.INTERVAL = 2;
    data->ReadWriteFile(program.path("run.dmm"), true);
    EXPECT_EQ(data->SG1->RowCount(), 4);
    EXPECT_EQ(data->SG1->Row(2), row2);
    EXPECT_EQ(Settings.INTERVAL, 30);
    // Loading clears the summary; rows come back without it.
    EXPECT_EQ(data->SG3->Cell(1, 2), "");
}

TEST_F(DataFiles, ASeventhColumnStays)
{
    writeFile(program.path("wide.DMM"), "NO,MAIN,SUB1,SUB2,SUB3,TIME,EXTRA,\r\n0,a,b,c,d,e,f,\r\n");
    writeFile(program.path("wide.CFG"), "CFG1,2,1,0,100,100,\r\n");
    Settings.DELAY = 9;
    data->ReadWriteFile(program.path("wide.DMM"), true);
    EXPECT_EQ(data->SG1->ColCount(), 7);
    EXPECT_EQ(data->SG1->Cell(6, 1), "f");
    EXPECT_EQ(Settings.MODEL, 2);
    // The other settings come again from the grid's previous cells.
    EXPECT_EQ(Settings.DELAY, 1);
    data->ClearRows();
    EXPECT_EQ(data->SG1->ColCount(), 7);
}

TEST_F(DataFiles, FailedOpenLeavesTheSheetAsItWas)
{
    data->AddRow("0", "DC  1.000V   ", "", "", "", "09:00:00");
    const QStringList row = data->SG1->Row(1);
    const struct
    {
        const char *name;
        QByteArray dmm, cfg;
        QString error;
    } cases[] = {
        {"nodata", {}, "CFG1,1,1,0,100,100,\r\n", "Cannot open file " + program.path("nodata.DMM")},
        {"nocfg", "NO,\r\n0,x,\r\n", {}, "Cannot open file " + program.path("nocfg.CFG")},
        {"badcfg", "NO,\r\n0,x,\r\n", "CFG1,one,1,0,100,100,\r\n", "'one' is not a valid integer value"},
    };
    for (const auto &c : cases) {
        if (!c.dmm.isNull())
            writeFile(program.path(QString(c.name) + ".DMM"), c.dmm);
        if (!c.cfg.isNull())
            writeFile(program.path(QString(c.name) + ".CFG"), c.cfg);
        try {
            data->ReadWriteFile(program.path(c.name), true);
            ADD_FAILURE() << c.name;
        } catch (const AppError &e) {
            EXPECT_EQ(e.text(), c.error) << c.name;
        }
        EXPECT_EQ(data->SG1->RowCount(), 2) << c.name;
        EXPECT_EQ(data->SG1->Row(1), row) << c.name;
        EXPECT_EQ(data->SG3->Cell(1, 2), "1.000") << c.name;
        EXPECT_EQ(Settings.MODEL, 1) << c.name;
    }
}

TEST_F(DataFiles, BadFilesGiveAClearErrorOrLoadWhole)
{
    const QByteArray cfg = "CFG1,1,1,0,100,100,\r\n";
    // Binary content is refused and the sheet stays.
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>(i * 31 % 256));
    writeFile(program.path("bin.DMM"), binary);
    writeFile(program.path("bin.CFG"), cfg);
    data->AddRow("0", "DC  1.000V   ", "", "", "", "09:00:00");
    try {
        data->ReadWriteFile(program.path("bin.DMM"), true);
        ADD_FAILURE();
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Cannot open file " + program.path("bin.DMM") + ": it is not a data file");
    }
    EXPECT_EQ(data->SG1->Cell(1, 1), "DC  1.000V   ");

    // An empty file is an empty sheet.
    writeFile(program.path("empty.DMM"), "");
    writeFile(program.path("empty.CFG"), cfg);
    data->ReadWriteFile(program.path("empty.DMM"), true);
    EXPECT_EQ(data->SG1->RowCount(), 2);
    EXPECT_EQ(data->SG1->Row(0), QStringList({"NO", "MAIN", "SUB1", "SUB2", "SUB3", "TIME"}));

    // A 100 MB line and a line of 10,000 cells load whole.
    QByteArray huge = "NO,MAIN,\r\n0,";
    huge += QByteArray(100 * 1024 * 1024, 'x');
    huge += ",\r\n1,";
    for (int i = 0; i < 10000; ++i)
        huge += QByteArray::number(i) + ',';
    huge += "\r\n";
    writeFile(program.path("huge.DMM"), huge);
    writeFile(program.path("huge.CFG"), cfg);
    huge.clear();
    data->ReadWriteFile(program.path("huge.DMM"), true);
    EXPECT_EQ(data->SG1->RowCount(), 3);
    EXPECT_EQ(data->SG1->Cell(1, 1).size(), 100 * 1024 * 1024);
    EXPECT_EQ(data->SG1->ColCount(), 10001);
    EXPECT_EQ(data->SG1->Cell(10000, 2), "9999");
    // The view shows the start of the long cell only.
    EXPECT_EQ(data->SG1->data(data->SG1->index(0, 1), Qt::DisplayRole).toString().size(), 1000);
}

TEST_F(DataFiles, FullDiskKeepsThePreviousPair)
{
    // A small file system that fills up; only where this machine lets a test mount one.
    const QString mnt = program.path("small");
    QDir().mkpath(mnt);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mnt}) != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    struct Unmount
    {
        QString at;
        ~Unmount() { QProcess::execute("umount", {at}); }
    } unmount{mnt};
    data->ReadWriteFile(mnt + "/run", false);
    const QByteArray before = readFile(mnt + "/run.DMM");
    for (int i = 0; i < 3000; ++i)
        data->AddRow(QString::number(i), "DC  1.000V   ", "AC  0.000V   ", "", "", "");
    EXPECT_THROW(data->ReadWriteFile(mnt + "/run", false), AppError);
    EXPECT_EQ(readFile(mnt + "/run.DMM"), before);
    EXPECT_TRUE(readFile(mnt + "/run.CFG").startsWith("CFG1,"));
}

TEST_F(DataFiles, FailedSaveKeepsThePreviousPair)
{
    data->ReadWriteFile(program.path("keep"), false);
    const QByteArray before = readFile(program.path("keep.DMM"));
    data->AddRow("0", "DC  5.000V   ", "", "", "", "");
    // The companion's place is taken by a directory, so it cannot be written.
    QFile::remove(program.path("keep.CFG"));
    ASSERT_TRUE(QDir(program.dir.path()).mkdir("keep.CFG"));
    EXPECT_THROW(data->ReadWriteFile(program.path("keep"), false), AppError);
    EXPECT_EQ(readFile(program.path("keep.DMM")), before);
}

} // namespace
