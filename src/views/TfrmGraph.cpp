#include "TfrmGraph.h"

#include "Chart.h"
#include "Controls.h"
#include "Global.h"
#include "MessageBox.h"
#include "TextGrid.h"
#include "ValueRules.h"
#include "ViewIcons.h"
#include "ViewHost.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSlider>
#include <cmath>

namespace Zentrix {

namespace {

// Closing the sub-window is the window's close: it stores its place, then goes.
class GraphSubWindow : public QMdiSubWindow
{
public:
    explicit GraphSubWindow(TfrmGraph *graph) : m_graph(graph) { setAttribute(Qt::WA_DeleteOnClose); }

protected:
    void closeEvent(QCloseEvent *e) override
    {
        e->accept();
        m_graph->FormDestroy();
    }

private:
    TfrmGraph *m_graph;
};

double trunc0(double v) { return std::trunc(v); }

} // namespace

QString TfrmGraph::RangeWarningText()
{
    return QStringList({
                           QStringLiteral("The Meter Setting has been Changed"),
                           QStringLiteral("Data displayed on the Graph may be scaled incorrectly."),
                           QStringLiteral("It is recommended not to disturb the meter setting"),
                           QStringLiteral("when the scope is running a trace."),
                           QStringLiteral("For Meter Model QX70, pressing the \"Function\" button"),
                           QStringLiteral("until \"R-H\" is displayed will prevent the meter from"),
                           QStringLiteral("automatically switching ranges. Refer to your meter"),
                           QStringLiteral("manual for further details of the Range Hold mode."),
                       })
        .join(QChar('\r'));
}

TfrmGraph::TfrmGraph(QMdiArea *area, ViewHost *host) : m_host(host)
{
    setObjectName(QStringLiteral("frmGraph"));
    buildLayout();
    m_sub = new GraphSubWindow(this);
    m_sub->setWidget(this);
    m_sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_sub->setWindowTitle(QStringLiteral("Graph Window"));
    m_sub->setWindowIcon(GraphIcon());
    area->addSubWindow(m_sub);

    connect(cbChannel, &QComboBox::currentIndexChanged, this, &TfrmGraph::cbChannelChange);
    connect(CbBackColor, &QComboBox::currentIndexChanged, this, &TfrmGraph::CbBackColorChange);
    connect(CbLineColor, &QComboBox::currentIndexChanged, this, &TfrmGraph::CbLineColorChange);
    connect(ChkGridX, &QCheckBox::clicked, this, [this] { ChkGridXClick(ChkGridX); });
    connect(ChkGridY, &QCheckBox::clicked, this, [this] { ChkGridXClick(ChkGridY); });
    connect(chkRange, &QCheckBox::clicked, this, &TfrmGraph::chkRangeClick);
    connect(eYhigh, &TNumEdit::Changed, this, &TfrmGraph::eYhighChange);
    connect(eYLow, &TNumEdit::Changed, this, &TfrmGraph::eYLowChange);
    connect(RxSpinButton1, &TSpinButton::TopClick, this, &TfrmGraph::RxSpinButton1TopClick);
    connect(RxSpinButton1, &TSpinButton::BottomClick, this, &TfrmGraph::RxSpinButton1BottomClick);
    connect(RxSpinButton2, &TSpinButton::TopClick, this, &TfrmGraph::RxSpinButton2TopClick);
    connect(RxSpinButton2, &TSpinButton::BottomClick, this, &TfrmGraph::RxSpinButton2BottomClick);
    connect(TrackBar1, &QSlider::valueChanged, this, &TfrmGraph::TrackBar1Change);
    connect(Chart1, &TChart::Zoomed, this, &TfrmGraph::Chart1Zoom);
    for (QWidget *w : {static_cast<QWidget *>(cbChannel), static_cast<QWidget *>(eYhigh),
                       static_cast<QWidget *>(eYLow)})
        w->installEventFilter(this);

    FormCreate();
}

TfrmGraph::~TfrmGraph() = default;

void TfrmGraph::FormCreate()
{
    GraphCount += 1;
    ReadWriteGraphPlace(true);
    m_sub->setGeometry(GraphRect);
    {
        const QSignalBlocker quiet(cbChannel);
        cbChannel->setCurrentIndex(Settings.CHANNEL >= 0 && Settings.CHANNEL <= 3 ? Settings.CHANNEL : -1);
    }
    setMaxLabel(QString());
    setMinLabel(QString());
    m_sub->setWindowTitle(cbChannel->currentText() + QStringLiteral(" Graph"));
    ResetScale(Scale);
    Scale.RangeMin = -4;
    Scale.RangeMax = 4;
    Scale.VisibleSpan = 100;
    DrawCursor(0);
    TChartAxis &left = Chart1->LeftAxis();
    left.SetLabelFormat(QStringLiteral("###0.00"));
    left.SetMinimum(Scale.RangeMin - 0.1);
    left.SetMaximum(Scale.RangeMax);
    left.SetIncrement((Scale.RangeMax - Scale.RangeMin) / 8);
    Chart1->SetBackColor(CbBackColor->Color());
    TChartAxis &bottom = Chart1->BottomAxis();
    bottom.SetIncrement(10);
    bottom.SetLabelFormat(QStringLiteral("#0"));
    bottom.SetMaximum(SampleCounter + 100);
    bottom.SetMinimum(bottom.Maximum() - 100);
    Chart1->SetSeriesColor(CbLineColor->Color());
}

void TfrmGraph::FormDestroy()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    const QRect g = m_sub->geometry();
    // The window goes whether or not its place could be stored.
    struct CountOut
    {
        ~CountOut() { GraphCount -= 1; }
    } countOut;
    ReadWriteGraphPlace(false, g.left(), g.top(), g.width(), g.height());
}

void TfrmGraph::ClearGraph()
{
    SampleCounter = 0;
    DrawCursor(0);
    Chart1->ClearSeries();
    Chart1->BottomAxis().SetMinimum(0);
    Chart1->BottomAxis().SetMaximum(100);
    TrackBar1->setValue(0);
    TrackBar1->setMaximum(0);
    setMaxLabel(QString());
    setMinLabel(QString());
    ResetScale(Scale);
}

bool TfrmGraph::SelectChannelLine(const QString &main, const QString &sub1, const QString &sub2,
                                  const QString &sub3, QString &line)
{
    switch (cbChannel->currentIndex()) {
    case 0:
        line = main;
        break;
    case 1:
        line = sub1;
        break;
    case 2:
        line = sub2;
        break;
    case 3:
        line = sub3;
        break;
    default:
        line.clear();
        break;
    }
    bool blank = true;
    for (QChar c : line)
        blank = blank && c.unicode() <= 32;
    if (blank) {
        pnlData->setText(QStringLiteral(" ERROR "));
        pnlFunc->clear();
        return false;
    }
    return true;
}

void TfrmGraph::ShowFunction(const QString &main, const QString &line)
{
    const QStringView unit = TrimControls(QStringView(line).mid(9, 4));
    pnlUnit->setText(unit);
    const QStringView code = QStringView(line).left(2);
    static const std::pair<QLatin1String, QLatin1String> names[] = {
        {QLatin1String("OH"), QLatin1String("Ohm")},  {QLatin1String("DI"), QLatin1String("DIODE")},
        {QLatin1String("FR"), QLatin1String("FREQ")}, {QLatin1String("CA"), QLatin1String("CAP")},
        {QLatin1String("LO"), QLatin1String("LOGIC")}, {QLatin1String("TE"), QLatin1String("TEMP")},
        {QLatin1String("HF"), QLatin1String("hFE")},  {QLatin1String("WT"), QLatin1String("WATT")},
        {QLatin1String("CO"), QLatin1String("PF")},
    };
    QStringView func = code;
    QString named;
    for (const auto &[c, name] : names)
        if (code == c) {
            named = name;
            func = named;
        }
    pnlFunc->setText(func);
    const QStringView mainCode = QStringView(main).left(2);
    switch (cbChannel->currentIndex()) {
    case 1:
        if (code.trimmed() == QLatin1String("$")) {
            pnlFunc->setText(QStringLiteral("P/Hour"));
            pnlUnit->setText(QStringLiteral("$"));
        }
        if (mainCode == QLatin1String("WT") && unit == QLatin1String("A"))
            pnlFunc->setText(QStringLiteral("AC"));
        break;
    case 2:
        if (mainCode == QLatin1String("FR") && code.trimmed().isEmpty())
            pnlFunc->setText(QStringLiteral("DC"));
        break;
    case 3:
        if (mainCode == QLatin1String("LO")) {
            pnlFunc->setText(QStringLiteral("DC"));
            pnlUnit->setText(QStringLiteral("V"));
        }
        break;
    default:
        break;
    }
}

void TfrmGraph::AddSample(bool accepted, const QString &main, const QString &sub1, const QString &sub2,
                          const QString &sub3)
{
    QString line;
    if (!SelectChannelLine(main, sub1, sub2, sub3, line))
        return;
    LastMainLine = main;
    ShowFunction(main, line);
    const QStringView code = QStringView(line).left(2);
    const QStringView field = QStringView(line).mid(2, 7);
    pnlData->setText(field);

    // A DC reading without a unit right after a clear: the meter's setting was changed.
    if (code == QLatin1String("DC") && Scale.RangeMin == 0 && pnlUnit->text().isEmpty()) {
        QApplication::beep();
        m_host->SetAcquisition(false);
        TMessageDlg::show(this, TMessageDlg::Warning, RangeWarningText());
        return;
    }

    const ValueJudge judged = JudgeValue(field);
    const int cls = judged.cls;
    double y = 0;
    bool plot = true;
    ComputeScale(cbChannel->currentIndex(), main, sub1, sub2, sub3, Scale, Settings.TYPE);
    switch (cls) {
    case vcNegOverload:
        setMinLabel(TrimControls(field).toString());
        if (lblMax->text().isEmpty())
            setMaxLabel(lblMin->text());
        y = Scale.RangeMin;
        break;
    case vcOverload:
        setMaxLabel(TrimControls(field).toString());
        if (lblMin->text().isEmpty())
            setMinLabel(lblMax->text());
        y = Scale.RangeMax;
        break;
    case vcNumber:
        if (judged.numeric) {
            y = judged.num;
            if (lblMin->text().isEmpty() || ValueLess(judged, m_minJudge))
                setMinLabel(field.toString());
            if (lblMax->text().isEmpty() || ValueGreater(judged, m_maxJudge))
                setMaxLabel(field.toString());
        }
        break;
    default:
        plot = false;
        break;
    }

    if (chkRange->isChecked()) {
        if (m_bulk) {
            m_bulkScaled = true;
        } else {
            applyAutoRange(Scale.RangeMax + 0.1);
        }
    }

    if (plot && accepted) {
        const int n = SampleCounter;
        if (m_bulk) {
            // The view scrolls as it would sample by sample; the axis takes its end once.
            if (n >= m_bulkMax) {
                m_bulkMax += 1;
                m_bulkMin = m_bulkMax - Scale.VisibleSpan;
            }
            Chart1->AddXY(n, y);
            return;
        }
        TChartAxis &bottom = Chart1->BottomAxis();
        if (n >= bottom.Maximum()) {
            bottom.SetMaximum(bottom.Maximum() + 1);
            bottom.SetMinimum(bottom.Maximum() - Scale.VisibleSpan);
        }
        Chart1->AddXY(n, y);
        const int last = Chart1->Count() - 1;
        TrackBar1->setMaximum(last);
        TrackBar1->setValue(last);
        DrawCursor(n);
    }
}

void TfrmGraph::applyAutoRange(double maximum)
{
    // The minimum goes first: the axis refuses a minimum above its maximum and the reverse.
    TChartAxis &left = Chart1->LeftAxis();
    left.SetLabelFormat(Scale.ValueFormat);
    left.SetMinimum(Scale.RangeMin - 0.1);
    left.SetMaximum(maximum);
    left.SetIncrement((Scale.RangeMax - Scale.RangeMin) / 8);
}

void TfrmGraph::BeginReplay()
{
    m_bulk = true;
    m_bulkScaled = false;
    // A replay that shows its progress must not redraw a growing plot at each step.
    Chart1->HoldRepaints(true);
    m_bulkMin = Chart1->BottomAxis().Minimum();
    m_bulkMax = Chart1->BottomAxis().Maximum();
}

void TfrmGraph::EndReplay()
{
    m_bulk = false;
    Chart1->HoldRepaints(false);
    TChartAxis &bottom = Chart1->BottomAxis();
    // Whichever end keeps the axis in order goes first.
    if (m_bulkMax >= bottom.Minimum()) {
        bottom.SetMaximum(m_bulkMax);
        bottom.SetMinimum(m_bulkMin);
    } else {
        bottom.SetMinimum(m_bulkMin);
        bottom.SetMaximum(m_bulkMax);
    }
    // The last sample's automatic range, then the track bar and the cursor on the last point.
    if (m_bulkScaled && chkRange->isChecked())
        applyAutoRange(Scale.RangeMax + 0.1);
    const int last = Chart1->Count() - 1;
    if (last < 0)
        return;
    TrackBar1->setMaximum(last);
    TrackBar1->setValue(last);
    DrawCursor(SampleAtPoint(last));
}

void TfrmGraph::setMinLabel(const QString &t)
{
    lblMin->setText(t);
    m_minJudge = JudgeValue(t);
}

void TfrmGraph::setMaxLabel(const QString &t)
{
    lblMax->setText(t);
    m_maxJudge = JudgeValue(t);
}

int TfrmGraph::SampleAtPoint(int index) const
{
    // With refused samples the points and the sample numbers part: a point knows its sample.
    if (index < 0 || index >= Chart1->Count())
        return index;
    return static_cast<int>(Chart1->XValue(index));
}

void TfrmGraph::DrawCursor(int pos)
{
    const int count = Chart1->Count();
    if (count < 2 || pos > SampleAtPoint(count - 1))
        return;
    if (m_host->LinkOpen()) {
        pos = SampleCounter;
    } else if (const TextGrid *sheet = m_host->DataSheet()) {
        const QString cell = sheet->Cell(cbChannel->currentIndex() + 1, pos + 1);
        const QString main = sheet->Cell(1, pos + 1);
        ShowFunction(main, cell);
        pnlData->setText(cell.mid(2, 7));
        pnlUnit->setText(TrimControls(cell.mid(9, 4)));
    }
    const TChartAxis &left = Chart1->LeftAxis();
    Chart1->SetCursor(pos, pos, left.Maximum(), left.Minimum());
    TChartAxis &bottom = Chart1->BottomAxis();
    if (pos < bottom.Minimum()) {
        if (bottom.Minimum() > 0)
            bottom.SetMinimum(pos);
        bottom.SetMaximum(bottom.Minimum() + Scale.VisibleSpan);
    } else if (pos > bottom.Maximum()) {
        if (count > bottom.Maximum())
            bottom.SetMaximum(pos);
        bottom.SetMinimum(bottom.Maximum() - Scale.VisibleSpan);
    }
}

void TfrmGraph::TrackBar1Change()
{
    const int sample = SampleAtPoint(TrackBar1->value());
    // During a run the gauges follow the live samples; the row of the newest point is not stored yet.
    if (!m_host->LinkOpen())
        m_host->ReplayRow(sample + 1, false, true, false);
    DrawCursor(sample);
}

void TfrmGraph::setCursorHeights()
{
    const TChartAxis &left = Chart1->LeftAxis();
    Chart1->SetCursor(Chart1->CursorX(), Chart1->CursorX(), left.Maximum(), left.Minimum());
}

void TfrmGraph::chkRangeClick()
{
    TChartAxis &left = Chart1->LeftAxis();
    if (chkRange->isChecked()) {
        left.SetMinimum(Scale.RangeMin - 0.1);
        left.SetMaximum(Scale.RangeMax);
    } else {
        eYhigh->SetValue(trunc0(left.Maximum()));
        eYLow->SetValue(trunc0(left.Minimum()));
        left.SetMinimum(eYLow->Value() - 0.1);
        left.SetMaximum(eYhigh->Value());
    }
}

void TfrmGraph::eYhighChange()
{
    Settings.GMAX = static_cast<int>(trunc0(eYhigh->Value()));
    if (chkRange->isChecked())
        return;
    TChartAxis &left = Chart1->LeftAxis();
    left.SetMaximum(eYhigh->Value() + 0.1);
    left.SetIncrement((eYhigh->Value() - eYLow->Value()) / 8);
    setCursorHeights();
}

void TfrmGraph::eYLowChange()
{
    Settings.GOFFSET = static_cast<int>(trunc0(eYLow->Value()));
    if (chkRange->isChecked())
        return;
    Chart1->LeftAxis().SetMinimum(eYLow->Value() - 0.1);
    setCursorHeights();
}

void TfrmGraph::RxSpinButton1TopClick()
{
    if (!m_host->LinkOpen())
        eYhigh->SetValue(eYhigh->Value() + 1);
}

void TfrmGraph::RxSpinButton1BottomClick()
{
    if (!m_host->LinkOpen() && eYLow->Value() < eYhigh->Value() - 1)
        eYhigh->SetValue(eYhigh->Value() - 1);
}

void TfrmGraph::RxSpinButton2TopClick()
{
    if (eYhigh->Value() > eYLow->Value() + 1)
        eYLow->SetValue(eYLow->Value() + 1);
}

void TfrmGraph::RxSpinButton2BottomClick() { eYLow->SetValue(eYLow->Value() - 1); }

void TfrmGraph::CbBackColorChange()
{
    Chart1->SetBackColor(CbBackColor->Color());
    Chart1->Repaint();
}

void TfrmGraph::CbLineColorChange()
{
    Chart1->SetSeriesColor(CbLineColor->Color());
    Chart1->Repaint();
}

void TfrmGraph::ChkGridXClick(QCheckBox *box)
{
    if (box->property("Tag").toInt() == 1)
        Chart1->LeftAxis().SetGridVisible(box->isChecked());
    else
        Chart1->BottomAxis().SetGridVisible(box->isChecked());
    Chart1->Repaint();
}

void TfrmGraph::Chart1Zoom()
{
    if (chkRange->isChecked())
        applyAutoRange(Scale.RangeMax);
    const TChartAxis &bottom = Chart1->BottomAxis();
    Scale.VisibleSpan = static_cast<int>(trunc0(bottom.Maximum() - bottom.Minimum()));
}

void TfrmGraph::cbChannelChange()
{
    Settings.CHANNEL = cbChannel->currentIndex();
    m_sub->setWindowTitle(cbChannel->currentText() + QStringLiteral(" Graph"));
}

void TfrmGraph::EnableControls(bool enable)
{
    for (QWidget *w : {pnlPosition, static_cast<QWidget *>(cbChannel), static_cast<QWidget *>(chkRange),
                       static_cast<QWidget *>(eYhigh), static_cast<QWidget *>(eYLow),
                       static_cast<QWidget *>(RxSpinButton1), static_cast<QWidget *>(RxSpinButton2)})
        w->setEnabled(enable);
}

bool TfrmGraph::eventFilter(QObject *watched, QEvent *event)
{
    // NextControl: Enter moves on; typed characters never reach the list or the fields.
    if (event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
        if ((!k->text().isEmpty() && k->text().at(0).isPrint()) || k->key() == Qt::Key_Backspace
            || k->key() == Qt::Key_Delete)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Zentrix
