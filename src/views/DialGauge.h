#pragma once

#include <QColor>
#include <QWidget>

namespace Zentrix {

// A round panel meter: a scale from 0 to MaxValue in Marks divisions, a title and units inside,
// and a needle at Position, which is held within 0..MaxValue and read back so.
class TDialGauge : public QWidget
{
    Q_OBJECT

public:
    explicit TDialGauge(QWidget *parent = nullptr);

    int MaxValue = 100;
    int Marks = 10;
    QString Title = QStringLiteral("100");
    QString Units = QStringLiteral("%");
    QString FontName = QStringLiteral("Century Gothic");
    QColor ColorBack;
    QColor ColorScale = Qt::black;
    QColor ColorFont = Qt::white;
    QColor ColorNeedle = QColor(255, 128, 0);
    QColor ColorBorder = Qt::gray;
    bool DangerZone = false;
    int DangerZoneMin = 23;
    int DangerZoneMax = 35;
    QColor ColorDangerZ = Qt::red;

    float Position() const { return m_position; }
    void SetPosition(float p);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    float m_position = 0;
};

} // namespace Zentrix
