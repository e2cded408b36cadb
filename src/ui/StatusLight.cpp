#include "StatusLight.h"

#include <QPainter>
#include <QRadialGradient>

namespace Zentrix {

TStatusLight::TStatusLight(QColor litColor, QWidget *parent) : QWidget(parent), m_litColor(litColor)
{
    setFixedSize(13, 13);
}

void TStatusLight::SetLit(bool on)
{
    if (m_lit == on)
        return;
    m_lit = on;
    update();
}

void TStatusLight::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = m_lit ? m_litColor : m_litColor.darker(350);
    QRadialGradient g(QPointF(4.5, 4.5), 8);
    g.setColorAt(0, base.lighter(m_lit ? 170 : 130));
    g.setColorAt(1, base);
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawEllipse(QRectF(1, 1, 11, 11));
}

} // namespace Zentrix
