#pragma once

#include "ChannelScale.h"
#include "ValueRules.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QSlider;

namespace Zentrix {

class TChart;
class TColorComboBox;
class TNumEdit;
class TPanel;
class TSpinButton;
class ViewHost;

// A Graph window: one channel of the meter as a line over the sample number.
class TfrmGraph : public QWidget
{
    Q_OBJECT

public:
    TfrmGraph(QMdiArea *area, ViewHost *host);
    ~TfrmGraph() override;

    QMdiSubWindow *subWindow() const { return m_sub; }

    void AddSample(bool accepted, const QString &main, const QString &sub1, const QString &sub2,
                   const QString &sub3);
    void ClearGraph();
    void EnableControls(bool enable);
    void DrawCursor(int pos);
    // Stores the window's rectangle and counts it out; once, when it closes or the program ends.
    void FormDestroy();

    // Handlers
    void cbChannelChange();
    void CbBackColorChange();
    void CbLineColorChange();
    void ChkGridXClick(QCheckBox *box);
    void chkRangeClick();
    void eYhighChange();
    void eYLowChange();
    void RxSpinButton1TopClick();
    void RxSpinButton1BottomClick();
    void RxSpinButton2TopClick();
    void RxSpinButton2BottomClick();
    void TrackBar1Change();
    void Chart1Zoom();

    ChannelScale Scale;
    QString LastMainLine;

    QComboBox *cbChannel;
    TPanel *pnlFunc;
    TPanel *pnlData;
    TPanel *pnlUnit;
    TPanel *lblMax;
    TPanel *lblMin;
    TChart *Chart1;
    QWidget *pnlPosition;
    QSlider *TrackBar1;
    TColorComboBox *CbBackColor;
    TColorComboBox *CbLineColor;
    QCheckBox *ChkGridX;
    QCheckBox *ChkGridY;
    QCheckBox *chkRange;
    TNumEdit *eYhigh;
    TNumEdit *eYLow;
    TSpinButton *RxSpinButton1;
    TSpinButton *RxSpinButton2;

    // A replay of many rows: the per-row work that only its end shows (automatic range, track bar,
    // cursor) is done once, when it ends.
    void BeginReplay();
    void EndReplay();

    // The range warning's text: eight lines joined by carriage returns.
    static QString RangeWarningText();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void buildLayout();
    bool SelectChannelLine(const QString &main, const QString &sub1, const QString &sub2, const QString &sub3,
                           QString &line);
    void ShowFunction(const QString &main, const QString &line);
    void setCursorHeights();
    // "Auto Graph": the vertical axis from the scale, up to maximum.
    void applyAutoRange(double maximum);
    // The sample number of the point at a track bar position.
    int SampleAtPoint(int index) const;

    ViewHost *m_host;
    QMdiSubWindow *m_sub = nullptr;
    bool m_destroyed = false;
    bool m_bulk = false;
    // lblMin and lblMax as judged values, kept with the labels.
    ValueJudge m_minJudge, m_maxJudge;
    void setMinLabel(const QString &t);
    void setMaxLabel(const QString &t);
    bool m_bulkScaled = false;
    double m_bulkMin = 0, m_bulkMax = 0; // the horizontal view while a replay runs
};

} // namespace Zentrix
