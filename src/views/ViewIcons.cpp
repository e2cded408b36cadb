#include "ViewIcons.h"

#include <QPainter>
#include <QPixmap>

namespace Zentrix {

QIcon GraphIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::black);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 255, 0), 1.5));
    p.drawPolyline(QPolygonF({QPointF(1, 12), QPointF(4, 6), QPointF(7, 10), QPointF(10, 3), QPointF(15, 8)}));
    return QIcon(pm);
}

QIcon GaugeIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::black);
    p.setPen(QPen(Qt::gray, 1.5));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(QPen(QColor(255, 128, 0), 2));
    p.drawLine(QPointF(8, 8), QPointF(12, 4));
    return QIcon(pm);
}

} // namespace Zentrix
