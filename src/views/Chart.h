#pragma once

#include <QColor>
#include <QWidget>
#include <memory>
#include <vector>

class QCustomPlot;

namespace Zentrix {

class TChart;

// One axis of a chart: minimum, maximum, label step, label format, grid lines. A minimum above
// the current maximum, or a maximum below the current minimum, is refused with an error.
class TChartAxis
{
public:
    double Minimum() const;
    double Maximum() const;
    void SetMinimum(double v);
    void SetMaximum(double v);
    double Increment() const { return m_increment; }
    void SetIncrement(double v);
    const QString &LabelFormat() const { return m_format; }
    void SetLabelFormat(const QString &f);
    bool GridVisible() const;
    void SetGridVisible(bool on);

private:
    friend class TChart;
    TChartAxis(TChart *chart, bool horizontal) : m_chart(chart), m_horizontal(horizontal) {}
    TChart *m_chart;
    bool m_horizontal;
    double m_increment = 0;
    QString m_format;
};

// A chart with one fast line series and one vertical cursor line, drawn by QCustomPlot.
// Repaints are coalesced: at most one per event-loop turn and about 25 a second.
class TChart : public QWidget
{
    Q_OBJECT

public:
    explicit TChart(QWidget *parent = nullptr);
    ~TChart() override;

    TChartAxis &LeftAxis() { return m_left; }
    TChartAxis &BottomAxis() { return m_bottom; }
    const TChartAxis &LeftAxis() const { return m_left; }
    const TChartAxis &BottomAxis() const { return m_bottom; }

    void SetBackColor(const QColor &c);
    QColor BackColor() const;

    // Series1: points in the order added, x never decreasing.
    void AddXY(double x, double y);
    int Count() const;
    double XValue(int i) const;
    double YValue(int i) const;
    void ClearSeries();
    // The points with x from xMin to xMax, in order.
    std::vector<QPointF> PointsIn(double xMin, double xMax) const;
    void SetSeriesColor(const QColor &c);
    QColor SeriesColor() const;
    // Bytes held by the series' points; for the benchmark.
    size_t SeriesBytes() const;

    // Series2: the vertical cursor line.
    void SetCursor(double x0, double x1, double y0, double y1);
    double CursorX() const;
    double CursorY0() const;
    double CursorY1() const;

    // Asks for a repaint; several requests in a row give one.
    void Repaint();
    // While held, repaint requests wait; releasing asks for one repaint.
    void HoldRepaints(bool hold);
    // Repaints now; for the report and the benchmark.
    void ReplotNow();
    // The operator's zoom to a horizontal range, as a mouse drag does; and its undoing.
    void ZoomTo(double xMin, double xMax);
    void UndoZoom();

    // The plot underneath, for the graph report's chart.
    QCustomPlot *Plot() const;

signals:
    void Zoomed();

private:
    friend class TChartAxis;
    struct Impl;
    std::unique_ptr<Impl> d;
    TChartAxis m_left{this, false};
    TChartAxis m_bottom{this, true};
};

} // namespace Zentrix
