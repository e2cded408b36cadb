#pragma once

#include "DataSheetRules.h"

#include <QWidget>

class QMdiArea;
class QMdiSubWindow;
class QSplitter;

namespace Zentrix {

class GridView;
class TextGrid;

// Data columns of SG1.
enum DataColumn { dcNo = 0, dcMain = 1, dcSub1 = 2, dcSub2 = 3, dcSub3 = 4, dcTime = 5 };

// The Data Sheet: every sample since the last clear as one row, under a min/max summary.
class TfrmData : public QWidget
{
    Q_OBJECT

public:
    // Creates the window as a child of the frame's MDI area.
    explicit TfrmData(QMdiArea *area);
    ~TfrmData() override;

    TextGrid *SG1;   // the data sheet
    TextGrid *SG2;   // the companion's configuration grid, never shown
    TextGrid *SG3;   // the summary
    GridView *SG1View;
    GridView *SG3View;
    QSplitter *Splitter1;
    bool FirstRowFree = true;

    QMdiSubWindow *subWindow() const { return m_sub; }

    void AddRow(const QString &No, const QString &Main, const QString &Sub1, const QString &Sub2,
                const QString &Sub3, const QString &Time);
    void UpdateSummary(const QString &Main, const QString &Sub1, const QString &Sub2, const QString &Sub3,
                       const QString &Time);
    void UpdateChannelSummary(const QString &line, int col, const QString &Time);
    void ClearRows();
    void ClearSummary();
    void FillConfigGrid();
    void ApplyConfigGrid();
    // Load true: opens the pair named after fileName (the sheet, its companion grid and the
    // settings it carries); a pair that cannot be read leaves all of them as they were.
    // Load false: saves the sheet and the settings as they are now.
    void ReadWriteFile(const QString &fileName, bool load);

    // The window's rectangle under FORM / DataSheet of the settings file.
    void RestorePlacement();
    void SavePlacement();

private:
    QMdiSubWindow *m_sub = nullptr;
    ChannelExtremes m_extremes[5];
};

} // namespace Zentrix
