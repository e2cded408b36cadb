#include "Chart.h"

#include "AppError.h"
#include "ChannelScale.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <qcustomplot.h>

namespace Zentrix {

namespace {

// Labels every Increment, written in the axis's number format.
class FormatTicker : public QCPAxisTickerFixed
{
public:
    QString format;

protected:
    QString getTickLabel(double tick, const QLocale &, QChar, int) override
    {
        return FormatValue(tick, format.isEmpty() ? QStringLiteral("#0") : format);
    }
};

class PlotWidget : public QCustomPlot
{
public:
    using QCustomPlot::QCustomPlot;
    std::function<void()> onPress;
    std::function<void()> onZoomed;
    std::function<void()> onUndo;

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        if (onPress)
            onPress();
        QCustomPlot::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        const QCPRange before = xAxis->range();
        QCustomPlot::mouseReleaseEvent(e);
        if (xAxis->range() != before && onZoomed)
            onZoomed();
    }
    void mouseDoubleClickEvent(QMouseEvent *e) override
    {
        QCustomPlot::mouseDoubleClickEvent(e);
        if (onUndo)
            onUndo();
    }
};

} // namespace

struct TChart::Impl
{
    PlotWidget *plot = nullptr;
    QCPGraph *series = nullptr;
    QCPItemLine *cursor = nullptr;
    QSharedPointer<FormatTicker> leftTicker, bottomTicker;
    QTimer replotTimer;
    QElapsedTimer sinceReplot;
    QCPRange beforeZoomX, beforeZoomY;
    bool zoomed = false;
    bool held = false;
};

TChart::TChart(QWidget *parent) : QWidget(parent), d(std::make_unique<Impl>())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    d->plot = new PlotWidget(this);
    layout->addWidget(d->plot);
    d->plot->setNoAntialiasingOnDrag(true);
    d->plot->setPlottingHint(QCP::phFastPolylines, true);
    d->series = d->plot->addGraph();
    d->series->setAdaptiveSampling(true);
    d->series->setLineStyle(QCPGraph::lsLine);
    d->cursor = new QCPItemLine(d->plot);
    d->cursor->setPen(QPen(QColor(0, 0, 255), 1));
    d->cursor->setVisible(false);
    d->cursor->setClipToAxisRect(true);
    d->leftTicker.reset(new FormatTicker);
    d->bottomTicker.reset(new FormatTicker);
    d->bottomTicker->setTickStep(10);
    d->bottomTicker->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
    d->leftTicker->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
    d->plot->yAxis->setTicker(d->leftTicker);
    d->plot->xAxis->setTicker(d->bottomTicker);
    d->plot->xAxis->setTickLengthIn(0);
    d->plot->xAxis->setTickLengthOut(5);
    d->plot->xAxis->setRange(0, 100);
    d->plot->yAxis->setRange(-4.1, 4);
    // A drag with the left button zooms to the rectangle; a double click undoes the zoom.
    d->plot->setSelectionRectMode(QCP::srmZoom);
    d->plot->axisRect()->setRangeZoom(Qt::Horizontal | Qt::Vertical);
    d->plot->onPress = [this] {
        if (!d->zoomed) {
            d->beforeZoomX = d->plot->xAxis->range();
            d->beforeZoomY = d->plot->yAxis->range();
        }
    };
    d->plot->onZoomed = [this] {
        d->zoomed = true;
        emit Zoomed();
    };
    d->plot->onUndo = [this] { UndoZoom(); };
    d->replotTimer.setSingleShot(true);
    connect(&d->replotTimer, &QTimer::timeout, this, [this] { ReplotNow(); });
    d->sinceReplot.start();
}

TChart::~TChart() = default;

// Axis

double TChartAxis::Minimum() const
{
    const QCPAxis *a = m_horizontal ? m_chart->d->plot->xAxis : m_chart->d->plot->yAxis;
    return a->range().lower;
}

double TChartAxis::Maximum() const
{
    const QCPAxis *a = m_horizontal ? m_chart->d->plot->xAxis : m_chart->d->plot->yAxis;
    return a->range().upper;
}

void TChartAxis::SetMinimum(double v)
{
    QCPAxis *a = m_horizontal ? m_chart->d->plot->xAxis : m_chart->d->plot->yAxis;
    if (v > a->range().upper)
        throw AppError(QStringLiteral("Axis minimum value must be less than or equal to maximum"));
    a->setRangeLower(v);
    m_chart->Repaint();
}

void TChartAxis::SetMaximum(double v)
{
    QCPAxis *a = m_horizontal ? m_chart->d->plot->xAxis : m_chart->d->plot->yAxis;
    if (v < a->range().lower)
        throw AppError(QStringLiteral("Axis maximum value must be greater than or equal to minimum"));
    a->setRangeUpper(v);
    m_chart->Repaint();
}

void TChartAxis::SetIncrement(double v)
{
    m_increment = v;
    auto &t = m_horizontal ? m_chart->d->bottomTicker : m_chart->d->leftTicker;
    // A step of 0 would ask for endless labels; the chart then chooses one.
    if (v > 0) {
        t->setTickStep(v);
        t->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
    } else {
        t->setTickStep(1);
        t->setScaleStrategy(QCPAxisTickerFixed::ssPowers);
    }
    m_chart->Repaint();
}

void TChartAxis::SetLabelFormat(const QString &f)
{
    m_format = f;
    (m_horizontal ? m_chart->d->bottomTicker : m_chart->d->leftTicker)->format = f;
    m_chart->Repaint();
}

bool TChartAxis::GridVisible() const
{
    const QCPAxis *a = m_horizontal ? m_chart->d->plot->xAxis : m_chart->d->plot->yAxis;
    return a->grid()->visible();
}

void TChartAxis::SetGridVisible(bool on)
{
    QCPAxis *a = m_horizontal ? m_chart->d->plot->xAxis : m_chart->d->plot->yAxis;
    a->grid()->setVisible(on);
    m_chart->Repaint();
}

// Chart

void TChart::SetBackColor(const QColor &c)
{
    d->plot->axisRect()->setBackground(QBrush(c));
    Repaint();
}

QColor TChart::BackColor() const { return d->plot->axisRect()->backgroundBrush().color(); }

void TChart::AddXY(double x, double y)
{
    d->series->addData(x, y);
    Repaint();
}

int TChart::Count() const { return d->series->dataCount(); }

double TChart::XValue(int i) const { return d->series->data()->at(i)->key; }

double TChart::YValue(int i) const { return d->series->data()->at(i)->value; }

void TChart::ClearSeries()
{
    d->series->data()->clear();
    d->series->data()->squeeze(true, true);
    Repaint();
}

std::vector<QPointF> TChart::PointsIn(double xMin, double xMax) const
{
    std::vector<QPointF> out;
    const auto data = d->series->data();
    for (auto it = data->findBegin(xMin, false); it != data->constEnd() && it->key <= xMax; ++it)
        out.emplace_back(it->key, it->value);
    return out;
}

void TChart::SetSeriesColor(const QColor &c)
{
    d->series->setPen(QPen(c, 1));
    Repaint();
}

QColor TChart::SeriesColor() const { return d->series->pen().color(); }

size_t TChart::SeriesBytes() const
{
    return static_cast<size_t>(d->series->data()->size()) * sizeof(QCPGraphData);
}

void TChart::SetCursor(double x0, double x1, double y0, double y1)
{
    d->cursor->start->setCoords(x0, y0);
    d->cursor->end->setCoords(x1, y1);
    d->cursor->setVisible(true);
    Repaint();
}

double TChart::CursorX() const { return d->cursor->start->coords().x(); }
double TChart::CursorY0() const { return d->cursor->start->coords().y(); }
double TChart::CursorY1() const { return d->cursor->end->coords().y(); }

void TChart::HoldRepaints(bool hold)
{
    d->held = hold;
    if (!hold)
        Repaint();
}

void TChart::Repaint()
{
    if (d->held || d->replotTimer.isActive())
        return;
    // At most one replot per event-loop turn, and no more than 25 a second.
    const qint64 wait = std::max<qint64>(0, 40 - d->sinceReplot.elapsed());
    d->replotTimer.start(static_cast<int>(wait));
}

void TChart::ReplotNow()
{
    d->replotTimer.stop();
    d->plot->replot(QCustomPlot::rpImmediateRefresh);
    d->sinceReplot.restart();
}

void TChart::ZoomTo(double xMin, double xMax)
{
    if (!d->zoomed) {
        d->beforeZoomX = d->plot->xAxis->range();
        d->beforeZoomY = d->plot->yAxis->range();
    }
    d->zoomed = true;
    d->plot->xAxis->setRange(xMin, xMax);
    Repaint();
    emit Zoomed();
}

void TChart::UndoZoom()
{
    if (!d->zoomed)
        return;
    d->zoomed = false;
    d->plot->xAxis->setRange(d->beforeZoomX);
    d->plot->yAxis->setRange(d->beforeZoomY);
    Repaint();
    emit Zoomed();
}

QCustomPlot *TChart::Plot() const { return d->plot; }

} // namespace Zentrix
