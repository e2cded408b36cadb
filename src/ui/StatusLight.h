#pragma once

#include <QColor>
#include <QWidget>

namespace Zentrix {

// A small round lamp, lit or unlit.
class TStatusLight : public QWidget
{
    Q_OBJECT

public:
    explicit TStatusLight(QColor litColor, QWidget *parent = nullptr);

    bool Lit() const { return m_lit; }
    void SetLit(bool on);
    void Toggle() { SetLit(!m_lit); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_litColor;
    bool m_lit = false;
};

} // namespace Zentrix
