#include "SideBarMenu.h"

#include <QLinearGradient>
#include <QPainter>

namespace Zentrix {

SideBarMenu::SideBarMenu(const QString &barText, QWidget *parent) : QMenu(parent), m_barText(barText)
{
    // Items start to the right of the bar.
    setStyleSheet(QStringLiteral("QMenu { padding-left: %1px; background: #f4f4f4; border: 1px solid #808080; }"
                                 "QMenu::item { padding: 3px 24px 3px 12px; }"
                                 "QMenu::item:selected { background: #004080; color: white; }"
                                 "QMenu::separator { height: 1px; background: #a0a0a0; margin: 3px 4px; }")
                      .arg(kBarWidth + 1));
}

void SideBarMenu::paintEvent(QPaintEvent *e)
{
    QMenu::paintEvent(e);
    QPainter p(this);
    const QRect bar(1, 1, kBarWidth, height() - 2);
    // From the bottom RGB 64,128,128 up to 0,64,128.
    QLinearGradient g(bar.bottomLeft(), bar.topLeft());
    g.setColorAt(0, QColor(64, 128, 128));
    g.setColorAt(1, QColor(0, 64, 128));
    p.fillRect(bar, g);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(16);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.translate(bar.left() + 2, bar.bottom() - 6);
    p.rotate(-90);
    p.drawText(QRect(0, 0, bar.height(), kBarWidth - 4), Qt::AlignLeft | Qt::AlignVCenter, m_barText);
}

} // namespace Zentrix
