#include "TfrmData.h"

#include "AppError.h"
#include "DataSheetRules.h"
#include "GridTextFile.h"
#include "Global.h"
#include "GridView.h"
#include "IniFile.h"
#include "LocaleFormat.h"
#include "TextGrid.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSaveFile>
#include <QSplitter>
#include <QTime>
#include <QCloseEvent>
#include <QVBoxLayout>

namespace Zentrix {

namespace {

// The sub-window keeps the operator's resizing inside 600 wide and 200 high.
class DataSubWindow : public QMdiSubWindow
{
public:
    using QMdiSubWindow::QMdiSubWindow;

protected:
    // The data sheet lives as long as the program.
    void closeEvent(QCloseEvent *e) override { e->ignore(); }
};

QString now() { return CurrentTimeOfDayText(); }

} // namespace

TfrmData::TfrmData(QMdiArea *area)
{
    setObjectName(QStringLiteral("frmData"));
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(8);
    setFont(f);

    SG1 = new TextGrid(6, 2, 1, 1, this);
    SG2 = new TextGrid(6, 4, 0, 0, this);
    SG3 = new TextGrid(5, 5, 1, 1, this);
    SG3->SetTextColor(Qt::blue);
    SG3->SetCentered(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    SG3View = new GridView(SG3, Splitter1);
    SG3View->SetSelectedTextColor(Qt::blue);
    SG3View->setFocusPolicy(Qt::ClickFocus);
    SG3View->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SG3View->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SG1View = new GridView(SG1, Splitter1);
    Splitter1->addWidget(SG3View);
    Splitter1->addWidget(SG1View);
    // The summary keeps its 101 pixels; the sheet takes the rest.
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    SG3View->setMinimumHeight(40);
    SG3View->resize(SG3View->width(), 101);
    Splitter1->setSizes({101, 1000});
    layout->addWidget(Splitter1);

    const int widths1[] = {40, 91, 91, 90, 89, 56};
    for (int c = 0; c < 6; ++c)
        SG1->SetColWidth(c, widths1[c]);
    const int widths3[] = {70, 97, 103, 104, 97};
    for (int c = 0; c < 5; ++c)
        SG3->SetColWidth(c, widths3[c]);

    m_sub = new DataSubWindow;
    m_sub->setWidget(this);
    // No system menu and no buttons: the sheet cannot be closed.
    m_sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_sub->setWindowTitle(QStringLiteral("Data Sheet"));
    m_sub->setMaximumWidth(600);
    m_sub->setMinimumHeight(200);
    area->addSubWindow(m_sub);

    // Creation, in order.
    m_sub->resize(480, 200);
    FirstRowFree = true;
    SG1->SetRow(0, {"NO", "MAIN", "SUB1", "SUB2", "SUB3", "TIME"});
    SG3->SetRow(0, {"VALUE", "MAIN", "SUB1", "SUB2", "SUB3"});
    const char *labels[] = {"Min Time", "Min Value", "Max Time", "Max Value"};
    for (int r = 1; r <= 4; ++r)
        SG3->SetCell(0, r, QString::fromLatin1(labels[r - 1]));
    ClearSummary();
    FillConfigGrid();
    RestorePlacement();
}

TfrmData::~TfrmData() = default;

void TfrmData::AddRow(const QString &No, const QString &Main, const QString &Sub1, const QString &Sub2,
                      const QString &Sub3, const QString &Time)
{
    int r = 1;
    if (FirstRowFree) {
        FirstRowFree = false;
    } else {
        r = SG1->RowCount();
        SG1->SetRowCount(r + 1);
    }
    SG1->SetRow(r, {No, Main, Sub1, Sub2, Sub3, Time.isEmpty() ? now() : Time});
    SG1->SetCurrentRow(r);
    UpdateSummary(Main, Sub1, Sub2, Sub3, Time);
}

void TfrmData::UpdateSummary(const QString &Main, const QString &Sub1, const QString &Sub2,
                             const QString &Sub3, const QString &Time)
{
    UpdateChannelSummary(Main, 1, Time);
    UpdateChannelSummary(Sub1, 2, Time);
    UpdateChannelSummary(Sub2, 3, Time);
    UpdateChannelSummary(Sub3, 4, Time);
}

void TfrmData::UpdateChannelSummary(const QString &line, int col, const QString &Time)
{
    FoldChannelSummary(*SG3, col, line, Time.isEmpty() ? now() : Time, m_extremes[col]);
}

void TfrmData::ClearRows()
{
    // Dropping the rows empties them; the heading row stays.
    SG1->SetRowCount(1);
    SG1->SetRowCount(2);
    FirstRowFree = true;
    ClearSummary();
}

void TfrmData::ClearSummary()
{
    for (ChannelExtremes &x : m_extremes)
        x = ChannelExtremes{};
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c)
            SG3->SetCell(c, r, QString());
}

void TfrmData::FillConfigGrid() { Zentrix::FillConfigGrid(*SG2, Settings); }

void TfrmData::ApplyConfigGrid() { Zentrix::ApplyConfigGrid(*SG2, Settings); }

void TfrmData::ReadWriteFile(const QString &fileName, bool load)
{
    const DataFileNames names = DeriveDataFileNames(fileName);
    if (!load) {
        // The companion carries the settings of now, not those of start-up or the last load.
        FillConfigGrid();
        // Both files are written aside first, so a failure leaves the old pair whole.
        QSaveFile data(names.data), companion(names.companion);
        WriteWhole(data, GridText(*SG1));
        WriteWhole(companion, GridText(*SG2));
        if (!data.commit())
            throw AppError(QStringLiteral("Cannot create file %1").arg(names.data));
        if (!companion.commit())
            throw AppError(QStringLiteral("Cannot create file %1").arg(names.companion));
        return;
    }
    // Read into scratch grids shaped like the cleared sheet and the present companion grid.
    TextGrid sheet(SG1->ColCount(), 2, 1, 1);
    sheet.SetRow(0, SG1->Row(0));
    LoadGridText(sheet, names.data);
    TextGrid config(SG2->ColCount(), SG2->RowCount(), 0, 0);
    for (int r = 0; r < SG2->RowCount(); ++r)
        config.SetRow(r, SG2->Row(r));
    LoadGridText(config, names.companion);
    TSettings loaded = Settings;
    Zentrix::ApplyConfigGrid(config, loaded);

    ClearRows();
    SG1->SwapContent(sheet);
    SG2->SwapContent(config);
    Settings = loaded;
}

void TfrmData::RestorePlacement()
{
    IniFile ini(SettingsFileName());
    const QStringList parts =
        ini.readString(QStringLiteral("FORM"), QStringLiteral("DataSheet"), QString()).split(QChar(','));
    if (parts.size() != 4)
        return;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return;
    }
    m_sub->setGeometry(v[0], v[1], std::min(v[2], 600), std::max(v[3], 200));
}

void TfrmData::SavePlacement()
{
    const QRect g = m_sub->geometry();
    IniFile ini(SettingsFileName());
    ini.writeString(QStringLiteral("FORM"), QStringLiteral("DataSheet"),
                    QStringLiteral("%1,%2,%3,%4").arg(g.left()).arg(g.top()).arg(g.width()).arg(g.height()));
}

} // namespace Zentrix
