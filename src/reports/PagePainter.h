#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

class QPagedPaintDevice;

namespace Zentrix {

// Draws on a page in millimetres from an origin, whatever the device's resolution.
class MmPainter
{
public:
    MmPainter(QPainter &p, double originXmm, double originYmm);

    void SetOrigin(double xMm, double yMm);
    double Px(double mm) const { return mm * m_dpi / 25.4; }
    QPointF At(double xMm, double yMm) const { return {Px(m_ox + xMm), Px(m_oy + yMm)}; }
    QPainter &Painter() { return m_p; }

    // A label: its left and top edges; a width below 0 follows the text.
    void Text(double left, double top, double width, Qt::Alignment align, const QFont &font, const QString &text);
    void HLine(double y, double x0, double x1, bool dotted = false);
    void VLine(double x, double y0, double y1, bool dotted = false);
    // A box with its left and right sides only.
    void SideBox(double x0, double x1, double y0, double y1, bool dotted = false);
    void Frame(double x0, double y0, double x1, double y1);

private:
    void pen(bool dotted);
    QPainter &m_p;
    double m_dpi;
    double m_ox, m_oy;
};

// Fonts of the reports: Arial (a metric-compatible face where Arial is missing).
QFont ReportFont(double points, bool bold = false);

// A4 portrait with 10 mm margins on every side.
constexpr double kPageWidthMm = 210, kPageHeightMm = 297, kMarginMm = 10;

} // namespace Zentrix
