#include "PagePainter.h"

#include <QFontMetricsF>

namespace Zentrix {

MmPainter::MmPainter(QPainter &p, double originXmm, double originYmm)
    : m_p(p), m_dpi(p.device()->logicalDpiX()), m_ox(originXmm), m_oy(originYmm)
{
}

void MmPainter::SetOrigin(double xMm, double yMm)
{
    m_ox = xMm;
    m_oy = yMm;
}

void MmPainter::Text(double left, double top, double width, Qt::Alignment align, const QFont &font,
                     const QString &text)
{
    m_p.setFont(font);
    m_p.setPen(Qt::black);
    const QFontMetricsF fm(font, m_p.device());
    const double w = width < 0 ? fm.horizontalAdvance(text) + 1 : Px(width);
    const QRectF r(At(left, top), QSizeF(w, fm.height()));
    m_p.drawText(r, static_cast<int>(align | Qt::AlignTop) | Qt::TextSingleLine, text);
}

void MmPainter::pen(bool dotted)
{
    QPen p(Qt::black, std::max(1.0, Px(0.25)));
    p.setStyle(dotted ? Qt::DotLine : Qt::SolidLine);
    m_p.setPen(p);
}

void MmPainter::HLine(double y, double x0, double x1, bool dotted)
{
    pen(dotted);
    m_p.drawLine(At(x0, y), At(x1, y));
}

void MmPainter::VLine(double x, double y0, double y1, bool dotted)
{
    pen(dotted);
    m_p.drawLine(At(x, y0), At(x, y1));
}

void MmPainter::SideBox(double x0, double x1, double y0, double y1, bool dotted)
{
    VLine(x0, y0, y1, dotted);
    VLine(x1, y0, y1, dotted);
}

void MmPainter::Frame(double x0, double y0, double x1, double y1)
{
    pen(false);
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRect(QRectF(At(x0, y0), At(x1, y1)));
}

QFont ReportFont(double points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace Zentrix
