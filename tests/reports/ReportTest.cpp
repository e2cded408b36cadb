#include "AppError.h"
#include "ReportOutput.h"
#include "Responders.h"
#include "TestDir.h"
#include "TextGrid.h"
#include "TfrmData.h"
#include "Controls.h"
#include "TfrmGauge.h"
#include "TfrmGraph.h"
#include "TfrmMain.h"

#include <QCheckBox>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include "ModalDialog.h"
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

// A word of a rendered page, its top left corner in millimetres from the paper's corner.
struct Word
{
    int page;
    QString text;
    double x, y;
};

std::vector<Word> wordsOf(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    p.waitForFinished(60000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    std::vector<Word> out;
    int page = 0;
    const QRegularExpression tag(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        out.push_back({page, m.captured(3).replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">"),
                       m.captured(1).toDouble() * 25.4 / 72, m.captured(2).toDouble() * 25.4 / 72});
    }
    return out;
}

class Reports : public ::testing::Test
{
protected:
    TestProgramDir program;
    Responders answer;
    std::unique_ptr<TfrmMain> frame;
    QString pdf;
    std::vector<Word> words;

    void SetUp() override
    {
        QFile::copy(qEnvironmentVariable("ZENTRIX_SOURCE_DIR") + "/data/ZENTRIX.SCH", program.path("ZENTRIX.SCH"));
        frame = std::make_unique<TfrmMain>();
        frame->CreateChildWindows();
        frame->show();
        pdf = program.path("report.pdf");
        SetReportResponder([this](const QString &, const ReportPainter &paint) {
            RenderToPdf(pdf, paint);
            words = wordsOf(pdf);
            // For looking at: ZENTRIX_SHOT_DIR keeps each report as <test>.pdf.
            if (const QString shots = qEnvironmentVariable("ZENTRIX_SHOT_DIR"); !shots.isEmpty())
                QFile::copy(pdf, shots + "/" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".pdf");
        });
    }
    void TearDown() override { SetReportResponder({}); }

    // The first word with this text, or nullptr.
    const Word *find(const QString &text, int page = 1) const
    {
        for (const Word &w : words)
            if (w.text == text && w.page == page)
                return &w;
        return nullptr;
    }
    // A label at (left, top) of the page's band, margins included.
    void expectAt(const QString &text, double left, double top, int page = 1) const
    {
        const Word *w = find(text, page);
        if (!w)
            for (const Word &o : words)
                std::fprintf(stderr, "  word p%d %.1f %.1f '%s'\n", o.page, o.x - 10, o.y - 10, qPrintable(o.text));
        ASSERT_NE(w, nullptr) << text.toStdString();
        EXPECT_NEAR(w->x, 10 + left, 1.5) << text.toStdString();
        EXPECT_NEAR(w->y, 10 + top, 1.5) << text.toStdString();
    }
    std::vector<const Word *> wordsIn(double x0, double x1, double y0, double y1, int page = 1) const
    {
        std::vector<const Word *> out;
        for (const Word &w : words)
            if (w.page == page && w.x >= 10 + x0 && w.x < 10 + x1 && w.y >= 10 + y0 && w.y < 10 + y1)
                out.push_back(&w);
        return out;
    }
    void printGraph()
    {
        frame->MdiArea->setActiveSubWindow(frmGraph->subWindow());
        frame->MenuProcess(7);
    }
};

TEST_F(Reports, NewGraphWindowWithoutSamples)
{
    Settings.INTERVAL = 5;
    printGraph();
    ASSERT_TRUE(answer.messages.empty());
    const Word *title = find("Digital");
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->y, 10 + 6.3, 1.5);
    expectAt("Untitled", 2.1, 17.5);
    expectAt("Main", 1.6, 22.8);
    expectAt("Current", 91.8, 22.8);
    expectAt("MAIN", 122.8, 22.8);
    expectAt("Trigger", 25.9, 28.3);
    expectAt("Range", 29.6, 45.8);
    expectAt("4", 41.8, 45.8);
    expectAt("Sec", 1.9 + 9, 46.0);
    // Three blanks as the main measurement, no function or unit, two blanks for every min and max.
    EXPECT_TRUE(wordsIn(37.3, 89, 22, 27.5).empty());
    EXPECT_TRUE(wordsIn(41.8, 59, 39.5, 44.5).empty());
    EXPECT_TRUE(wordsIn(68, 190, 45, 56).empty());
    // The chart's labels in the design format over -4.1 to 4.
    EXPECT_NE(find("4.00"), nullptr);
    EXPECT_NE(find("-4.00"), nullptr);
}

TEST_F(Reports, GraphAfterSamples)
{
    Settings.TRIGGER = 3;
    Settings.CAPTURE = 4;
    Settings.VALUE = "1.5";
    Settings.DELAY = 7;
    frame->MenuProcess(5);
    // Samples as a data file brings them, replayed into the graph.
    for (int i = 0; i < 3; ++i) {
        const QString line = "DC" + QString(" 0.%1").arg(1234 + i).rightJustified(7) + "V   ";
        frmData->AddRow(QString::number(i), line, "AC  0.000V   ", "", "", "10:00:0" + QString::number(i));
    }
    frmData->ClearSummary();
    frame->DataToGraph();
    printGraph();
    ASSERT_TRUE(answer.messages.empty());
    expectAt("0.4000", 41.8, 45.8);
    ASSERT_EQ(wordsIn(41, 59, 39.5, 44.5).size(), 1u);
    EXPECT_EQ(wordsIn(41, 59, 39.5, 44.5)[0]->text, "DC");
    ASSERT_EQ(wordsIn(41, 59, 50.8, 55.5).size(), 1u);
    EXPECT_EQ(wordsIn(41, 59, 50.8, 55.5)[0]->text, "V");
    // The design texts stand where the settings name no mode.
    const Word *trigger = find("TRIGGER");
    ASSERT_NE(trigger, nullptr);
    EXPECT_EQ(wordsIn(25, 68, 28, 33).size(), 1u);
    EXPECT_EQ(wordsIn(25, 68, 28, 33)[0]->text, "TRIGGER");
    EXPECT_EQ(wordsIn(25, 68, 33.4, 38.5)[0]->text, "CAPTURE");
    expectAt("7", 108.0 + 19, 28.3);
    expectAt("1.5", 168.3 + 16, 28.3);
    // The main measurement from the last MAIN line: code, three blanks, unit.
    ASSERT_EQ(wordsIn(37, 89, 22.5, 27.5).size(), 2u);
    EXPECT_EQ(wordsIn(37, 89, 22.5, 27.5)[0]->text, "DC");
    // Min and max of MAIN: the time, two blanks, the value.
    expectAt("10:00:00", 70.1, 45.8);
    expectAt("0.1234", 70.1 + 17, 45.8);
    expectAt("0.1236", 70.1 + 17, 51.3);
}

TEST_F(Reports, NoGraphSelected)
{
    frame->MdiArea->setActiveSubWindow(frmGauge->subWindow());
    frame->MenuProcess(7);
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(answer.messages[0].text, "Graph Not Selected !");
    EXPECT_TRUE(words.empty());
}

TEST_F(Reports, ManualRangeAboveTheDesignRangeIsRefused)
{
    frmGraph->chkRange->setChecked(false);
    frmGraph->eYhigh->SetValue(900);
    frmGraph->eYLow->SetValue(700);
    frame->MdiArea->setActiveSubWindow(frmGraph->subWindow());
    EXPECT_THROW(frame->Print_Graph(), AppError);
    EXPECT_TRUE(words.empty());
}

TEST_F(Reports, EmptyDataSheet)
{
    frame->MenuProcess(8);
    ASSERT_TRUE(answer.messages.empty());
    // The title is centred on the band.
    const Word *title = find("Digital");
    ASSERT_NE(title, nullptr);
    EXPECT_GT(title->x, 10 + 60);
    EXPECT_LT(title->x, 10 + 75);
    EXPECT_NEAR(title->y, 10 + 4.2, 1.5);
    expectAt("NO", 13.8, 53.7);
    expectAt("M", 61.6, 53.7);
    // One blank record and nothing under the headings.
    EXPECT_TRUE(wordsIn(0, 190, 59, 277).empty());
    QFile table(program.path("PRNTMP.DMM"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_EQ(table.readAll().count('\n'), 1);
}

TEST_F(Reports, RowsInOrderOverPages)
{
    QFile old(program.path("PRNTMP.DMM"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x') + "\r\n");
    old.close();
    constexpr int n = 100;
    for (int i = 0; i < n; ++i)
        frmData->AddRow(QString::number(i), "DC  1.000V   ", "AC  0.000V   ", "", "", "10:00:00");
    frame->MenuProcess(8);
    ASSERT_TRUE(answer.messages.empty());
    // The numbers of the detail lines, page by page, in order.
    std::vector<std::vector<int>> numbers(4);
    for (const Word &w : words)
        if (w.x < 10 + 20 && QRegularExpression("^\\d+$").match(w.text).hasMatch() && (w.page > 1 || w.y > 10 + 59))
            numbers[w.page].push_back(w.text.toInt());
    EXPECT_EQ(numbers[1].size(), 34u); // under the title band
    EXPECT_EQ(numbers[2].size(), 43u); // detail lines only
    EXPECT_EQ(numbers[3].size(), 23u);
    int expected = 0;
    for (int page = 1; page <= 3; ++page)
        for (int v : numbers[page])
            EXPECT_EQ(v, expected++);
    EXPECT_EQ(find("Digital", 2), nullptr);
    const Word *first = find("0");
    ASSERT_NE(first, nullptr);
    EXPECT_NEAR(first->y, 10 + 59 + 0.8, 1.5);
    // The earlier table file was replaced, one fixed-width line a row.
    QFile table(program.path("PRNTMP.DMM"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = table.readAll().split('\n');
    EXPECT_EQ(lines.size(), n + 1);
    EXPECT_EQ(lines[0], "0         DC  1.000V   AC  0.000V                             10:00:00\r");
}

TEST_F(Reports, MissingSchema)
{
    QFile::remove(program.path("ZENTRIX.SCH"));
    try {
        frame->Print_Datasheet();
        ADD_FAILURE();
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Error opening text file: " + program.path("PRNTMP.DMM"));
    }
    EXPECT_TRUE(words.empty());
}

TEST_F(Reports, PreviewThenNoPrinterOffersAPdf)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer";
    SetReportResponder({});
    int previews = 0;
    SetModalResponder([&](QDialog &d) {
        previews += qobject_cast<QPrintPreviewDialog *>(&d) != nullptr;
        EXPECT_EQ(d.windowTitle(), "Data Print");
        return 0;
    });
    answer.nextFile = program.path("saved.pdf");
    frame->MenuProcess(8);
    SetModalResponder({});
    EXPECT_EQ(previews, 1);
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_TRUE(answer.messages[0].text.startsWith("No printer is set up on this machine."));
    EXPECT_EQ(answer.dialogTitles.back(), "Save the report as PDF");
    words = wordsOf(program.path("saved.pdf"));
    EXPECT_NE(find("Multimeter"), nullptr);
}

} // namespace
