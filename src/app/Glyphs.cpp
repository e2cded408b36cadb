#include "Glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace Zentrix {

namespace {

void drawPrinter(QPainter &p)
{
    p.setPen(QPen(QColor(50, 50, 50), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 3, 12, 8));
    p.setBrush(QColor(150, 150, 150));
    p.drawRoundedRect(QRectF(3, 10, 22, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 16, 14, 9));
}

} // namespace

QIcon ToolGlyph(int command)
{
    QPixmap pm(28, 28);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (command) {
    case 1: { // configuration: a wrench over a panel
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(200, 200, 210));
        p.drawRoundedRect(QRectF(3, 5, 22, 18), 2, 2);
        p.setBrush(QColor(0, 64, 128));
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(6, 8 + i * 5, 16, 2));
        p.setBrush(QColor(255, 200, 0));
        p.drawEllipse(QRectF(9 + 0, 7, 4, 4));
        p.drawEllipse(QRectF(16, 12, 4, 4));
        p.drawEllipse(QRectF(11, 17, 4, 4));
        break;
    }
    case 2: { // start: a green arrow
        QPainterPath path;
        path.moveTo(7, 4);
        path.lineTo(23, 14);
        path.lineTo(7, 24);
        path.closeSubpath();
        p.setPen(QPen(QColor(0, 90, 0), 1.2));
        p.setBrush(QColor(30, 170, 40));
        p.drawPath(path);
        break;
    }
    case 3: // stop: a red square
        p.setPen(QPen(QColor(120, 0, 0), 1.2));
        p.setBrush(QColor(210, 30, 30));
        p.drawRoundedRect(QRectF(6, 6, 16, 16), 2, 2);
        break;
    case 4: { // open: a folder
        p.setPen(QPen(QColor(120, 90, 0), 1.2));
        p.setBrush(QColor(240, 200, 80));
        QPainterPath path;
        path.moveTo(3, 8);
        path.lineTo(10, 8);
        path.lineTo(12, 10);
        path.lineTo(24, 10);
        path.lineTo(24, 23);
        path.lineTo(3, 23);
        path.closeSubpath();
        p.drawPath(path);
        p.setBrush(QColor(250, 220, 120));
        p.drawRect(QRectF(3, 13, 21, 10));
        break;
    }
    case 5: { // clear: a sheet crossed out
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 3, 16, 21));
        for (int y = 7; y < 22; y += 4)
            p.drawLine(QPointF(8, y), QPointF(18, y));
        p.setPen(QPen(QColor(200, 20, 20), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(24, 24));
        p.drawLine(QPointF(24, 12), QPointF(12, 24));
        break;
    }
    case 6: // save: a diskette
        p.setPen(QPen(QColor(20, 20, 60), 1));
        p.setBrush(QColor(40, 60, 150));
        p.drawRoundedRect(QRectF(4, 4, 20, 20), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 4, 12, 8));
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(QRectF(8, 16, 12, 8));
        break;
    case 7: // print graph: a printer with a curve
        drawPrinter(p);
        p.setPen(QPen(QColor(200, 0, 0), 1.5));
        p.drawPolyline(QPolygonF({QPointF(8, 24), QPointF(11, 19), QPointF(14, 22), QPointF(17, 17),
                                  QPointF(20, 20)}));
        break;
    case 8: // print data sheet: a printer with a table
        drawPrinter(p);
        p.setPen(QPen(QColor(0, 0, 160), 1));
        for (int y = 18; y <= 24; y += 3)
            p.drawLine(QPointF(8, y), QPointF(20, y));
        p.drawLine(QPointF(13, 17), QPointF(13, 25));
        break;
    case 77: // trace: a terminal
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(20, 20, 20));
        p.drawRoundedRect(QRectF(3, 4, 22, 18), 2, 2);
        p.setPen(QPen(QColor(0, 230, 0), 1.5));
        p.drawLine(QPointF(7, 9), QPointF(10, 12));
        p.drawLine(QPointF(10, 12), QPointF(7, 15));
        p.drawLine(QPointF(12, 16), QPointF(19, 16));
        p.setPen(QPen(QColor(40, 40, 40), 2));
        p.drawLine(QPointF(10, 25), QPointF(18, 25));
        break;
    case 98: { // readme: a question mark in a circle
        p.setPen(QPen(QColor(0, 60, 140), 1.2));
        p.setBrush(QColor(60, 130, 220));
        p.drawEllipse(QRectF(3, 3, 22, 22));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(17);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 22, 22), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case 99: // exit: a door with an arrow
        p.setPen(QPen(QColor(80, 40, 10), 1));
        p.setBrush(QColor(160, 100, 50));
        p.drawRect(QRectF(4, 3, 12, 22));
        p.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 14), QPointF(25, 14));
        p.drawLine(QPointF(21, 10), QPointF(25, 14));
        p.drawLine(QPointF(21, 18), QPointF(25, 14));
        break;
    default:
        break;
    }
    p.end();
    QIcon icon(pm);
    return icon;
}

QPixmap TitleTile()
{
    QPixmap pm(8, 15);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, 15);
    g.setColorAt(0, QColor(40, 100, 170));
    g.setColorAt(0.5, QColor(0, 64, 128));
    g.setColorAt(1, QColor(0, 40, 90));
    p.fillRect(pm.rect(), g);
    return pm;
}

QPixmap TitleCap(bool left)
{
    QPixmap pm(11, 15);
    pm.fill(QColor(0, 40, 90));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 128, 128));
    p.drawEllipse(QRectF(left ? 2 : 3, 3, 7, 9));
    return pm;
}

} // namespace Zentrix
