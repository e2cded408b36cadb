#include "DialGauge.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace Zentrix {

namespace {
// The scale sweeps 270 degrees, from lower left round the top to lower right.
constexpr double kStartDeg = 225;
constexpr double kSweepDeg = 270;
} // namespace

TDialGauge::TDialGauge(QWidget *parent) : QWidget(parent)
{
    ColorBack = palette().color(QPalette::Button);
    setMinimumSize(80, 80);
}

void TDialGauge::SetPosition(float p)
{
    const float held = std::clamp(p, 0.0f, static_cast<float>(MaxValue));
    if (held == m_position)
        return;
    m_position = held;
    update();
}

void TDialGauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), ColorBack);
    const double side = std::min(width(), height()) - 8;
    if (side < 20)
        return;
    const QPointF c(width() / 2.0, height() / 2.0);
    const double r = side / 2;

    // Rim and face.
    QRadialGradient rim(c, r);
    rim.setColorAt(0.90, ColorBorder.lighter(130));
    rim.setColorAt(1.0, ColorBorder.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(c, r, r);
    p.setBrush(ColorScale);
    p.drawEllipse(c, r * 0.92, r * 0.92);

    const double face = r * 0.92;
    auto angleAt = [&](double value) {
        return qDegreesToRadians(kStartDeg - kSweepDeg * value / std::max(MaxValue, 1));
    };
    auto pointAt = [&](double value, double radius) {
        const double a = angleAt(value);
        return QPointF(c.x() + radius * std::cos(a), c.y() - radius * std::sin(a));
    };

    if (DangerZone && DangerZoneMax > DangerZoneMin) {
        QPen zone(ColorDangerZ, face * 0.08, Qt::SolidLine, Qt::FlatCap);
        p.setPen(zone);
        p.setBrush(Qt::NoBrush);
        const QRectF arc(c.x() - face * 0.82, c.y() - face * 0.82, face * 1.64, face * 1.64);
        const double a0 = kStartDeg - kSweepDeg * DangerZoneMin / std::max(MaxValue, 1);
        const double a1 = kStartDeg - kSweepDeg * DangerZoneMax / std::max(MaxValue, 1);
        p.drawArc(arc, static_cast<int>(a0 * 16), static_cast<int>((a1 - a0) * 16));
    }

    // Ticks: Marks labelled divisions, four small ticks between each.
    QFont f(FontName);
    f.setPixelSize(std::max(8, static_cast<int>(face * 0.13)));
    p.setFont(f);
    const int marks = std::max(Marks, 1);
    for (int i = 0; i <= marks * 5; ++i) {
        const double v = MaxValue * double(i) / (marks * 5);
        const bool major = i % 5 == 0;
        p.setPen(QPen(ColorFont, major ? 2.0 : 1.0));
        p.drawLine(pointAt(v, face * (major ? 0.78 : 0.84)), pointAt(v, face * 0.90));
        if (major) {
            const QPointF at = pointAt(v, face * 0.62);
            const QString label = QString::number(qRound(v));
            const QRectF box(at.x() - face * 0.2, at.y() - face * 0.1, face * 0.4, face * 0.2);
            p.drawText(box, Qt::AlignCenter, label);
        }
    }

    // Title above the centre, units below.
    QFont tf(FontName);
    tf.setPixelSize(std::max(8, static_cast<int>(face * 0.15)));
    tf.setBold(true);
    p.setFont(tf);
    p.setPen(ColorFont);
    p.drawText(QRectF(c.x() - face * 0.5, c.y() - face * 0.45, face, face * 0.2), Qt::AlignCenter, Title);
    p.drawText(QRectF(c.x() - face * 0.5, c.y() + face * 0.25, face, face * 0.2), Qt::AlignCenter, Units);

    // Needle with its hub.
    const double a = angleAt(m_position);
    const QPointF tip(c.x() + face * 0.80 * std::cos(a), c.y() - face * 0.80 * std::sin(a));
    const QPointF side1(c.x() + face * 0.05 * std::cos(a + M_PI / 2), c.y() - face * 0.05 * std::sin(a + M_PI / 2));
    const QPointF side2(c.x() + face * 0.05 * std::cos(a - M_PI / 2), c.y() - face * 0.05 * std::sin(a - M_PI / 2));
    const QPointF tail(c.x() - face * 0.15 * std::cos(a), c.y() + face * 0.15 * std::sin(a));
    QPainterPath needle;
    needle.moveTo(tip);
    needle.lineTo(side1);
    needle.lineTo(tail);
    needle.lineTo(side2);
    needle.closeSubpath();
    p.setPen(QPen(ColorNeedle.darker(150), 1));
    p.setBrush(ColorNeedle);
    p.drawPath(needle);
    p.setBrush(ColorBorder.darker(120));
    p.drawEllipse(c, face * 0.08, face * 0.08);
}

} // namespace Zentrix
