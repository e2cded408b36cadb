#pragma once

#include <QMenu>

namespace Zentrix {

// A pop-up menu with a vertical side bar down its left edge.
class SideBarMenu : public QMenu
{
    Q_OBJECT

public:
    explicit SideBarMenu(const QString &barText, QWidget *parent = nullptr);
    static constexpr int kBarWidth = 24;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QString m_barText;
};

} // namespace Zentrix
