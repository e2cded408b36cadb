#pragma once

#include "ChannelScale.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QProgressBar;

namespace Zentrix {

class TDialGauge;
class TBar;
class TPanel;

// A Gauge window: one channel of the meter on a dial, a bar and the raw value.
class TfrmGauge : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmGauge(QMdiArea *area);

    QMdiSubWindow *subWindow() const { return m_sub; }

    void ClearGauge();
    void ShowSample(const QString &main, const QString &sub1, const QString &sub2, const QString &sub3);
    void DrawGauge(double x);
    void EnableControls(bool enabled);
    void cbChannelChange();
    void FormActivate();

    ChannelScale Scale;
    QComboBox *cbChannel;
    TPanel *lblData;
    TDialGauge *RGauge;
    TBar *TrBar;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();

    QMdiSubWindow *m_sub = nullptr;
};

} // namespace Zentrix
