// Building the frame's controls; the handlers live in TfrmMain.cpp.
#include "Glyphs.h"
#include "SideBarMenu.h"
#include "StatusLight.h"
#include "TfrmMain.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QPainter>
#include <QSizeGrip>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace Zentrix {

namespace {

constexpr int kEdge = 4;

// The title bar between the end caps: a tiled picture behind the title and its buttons.
class TitleBar : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawTiledPixmap(rect(), TitleTile());
    }
};

QFrame *bevel(QWidget *parent)
{
    auto *b = new QFrame(parent);
    b->setFrameShape(QFrame::VLine);
    b->setFrameShadow(QFrame::Sunken);
    b->setFixedWidth(6);
    return b;
}

QLabel *statusPanel(const QString &text, QFrame::Shadow shadow, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(shadow);
    l->setContentsMargins(3, 0, 3, 0);
    return l;
}

} // namespace

void TfrmMain::buildTitleStrip(QVBoxLayout *outer)
{
    auto *strip = new QWidget(this);
    strip->setFixedHeight(15);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    Image2 = new QLabel(strip);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(TitleCap(true));
    Image2->setFixedSize(11, 15);
    Image1 = new QLabel(strip);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(TitleCap(false));
    Image1->setFixedSize(11, 15);
    TitleBar1 = new TitleBar(strip);
    auto *bar = new QHBoxLayout(TitleBar1);
    bar->setContentsMargins(4, 0, 0, 0);
    bar->setSpacing(0);
    lblTitle = new QLabel(TitleBar1);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    f.setBold(true);
    lblTitle->setFont(f);
    // White text with a dark shadow below it reads as sunken.
    lblTitle->setStyleSheet(QStringLiteral("color: white;"));
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    bar->addWidget(lblTitle, 1);
    SpeedButton1 = new QToolButton(TitleBar1);
    SpeedButton2 = new QToolButton(TitleBar1);
    for (auto [b, tag, name, glyph] : {std::tuple{SpeedButton1, 1, "SpeedButton1", QStyle::SP_TitleBarNormalButton},
                                       std::tuple{SpeedButton2, 2, "SpeedButton2", QStyle::SP_TitleBarMaxButton}}) {
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty("Tag", tag);
        b->setFixedSize(18, 15);
        b->setIcon(style()->standardIcon(glyph));
        b->setIconSize(QSize(12, 11));
        b->setAutoRaise(true);
        QToolButton *button = b;
        connect(b, &QToolButton::clicked, this, [this, button] { SpeedButton1Click(button); });
        bar->addWidget(b);
    }
    row->addWidget(Image2);
    row->addWidget(TitleBar1, 1);
    row->addWidget(Image1);
    for (QWidget *w : {static_cast<QWidget *>(Image1), static_cast<QWidget *>(Image2),
                       static_cast<QWidget *>(lblTitle), TitleBar1})
        w->installEventFilter(this);
    outer->addWidget(strip);
}

QToolButton *TfrmMain::addTool(QHBoxLayout *row, const char *name, const QString &hint, int tag)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setProperty("Tag", tag);
    b->setToolTip(hint);
    b->setIcon(ToolGlyph(tag));
    b->setIconSize(QSize(28, 28));
    b->setFixedSize(36, 36);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    connect(b, &QToolButton::clicked, this, [this, b] { btnConfigClick(b); });
    row->addWidget(b);
    return b;
}

void TfrmMain::buildToolBar(QVBoxLayout *outer)
{
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setFixedHeight(38);
    bar->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(0);
    btnConfig = addTool(row, "btnConfig", QStringLiteral("System Configuration"), 1);
    row->addWidget(bevel(bar));
    btnOnline = addTool(row, "btnOnline", QStringLiteral("Start Communication"), 2);
    btnOffline = addTool(row, "btnOffline", QStringLiteral("Stop Communication"), 3);
    row->addWidget(bevel(bar));
    btnOpen = addTool(row, "btnOpen", QStringLiteral("Open File"), 4);
    btnClear = addTool(row, "btnClear", QStringLiteral("Clear Data"), 5);
    btnSave = addTool(row, "btnSave", QStringLiteral("Save File"), 6);
    btnPrintGraph = addTool(row, "btnPrintGraph", QStringLiteral("Print Graph"), 7);
    SpeedButton7 = addTool(row, "SpeedButton7", QStringLiteral("Print Datasheet"), 8);
    row->addWidget(bevel(bar));
    SpeedButton3 = addTool(row, "SpeedButton3", QStringLiteral("Show trace window"), 77);
    btnHelp = addTool(row, "btnHelp", QStringLiteral("Show readme file"), 98);
    row->addStretch(1);
    btnExit = addTool(row, "btnExit", QStringLiteral("Exit Program"), 99);
    btnOffline->setEnabled(false);
    outer->addWidget(bar);
}

QAction *TfrmMain::addItem(QMenu *menu, const char *name, const QString &caption, int tag, bool handled)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setProperty("Tag", tag);
    if (handled)
        connect(a, &QAction::triggered, this, [this, a] { Start1Click(a); });
    return a;
}

void TfrmMain::buildMenu()
{
    BcBarPopupMenu1 = new SideBarMenu(QStringLiteral("MODEL"), this);
    auto *newMenu = new QMenu(QStringLiteral("New"), BcBarPopupMenu1);
    New1 = BcBarPopupMenu1->addMenu(newMenu);
    New1->setObjectName(QStringLiteral("New1"));
    Graph2 = addItem(newMenu, "Graph2", QStringLiteral("Graph"), 11, true);
    Gauge1 = addItem(newMenu, "Gauge1", QStringLiteral("Gauge"), 12, true);
    // Configuration works as the tool button beside it does.
    Configuratio1 = addItem(BcBarPopupMenu1, "Configuratio1", QStringLiteral("Configuration"), 1, true);
    BcBarPopupMenu1->addSeparator();
    Start1 = addItem(BcBarPopupMenu1, "Start1", QStringLiteral("Start"), 2, true);
    Stop1 = addItem(BcBarPopupMenu1, "Stop1", QStringLiteral("Stop"), 3, true);
    BcBarPopupMenu1->addSeparator();
    FileOpen1 = addItem(BcBarPopupMenu1, "FileOpen1", QStringLiteral("File Open"), 4, true);
    FileSave1 = addItem(BcBarPopupMenu1, "FileSave1", QStringLiteral("File Save"), 6, true);
    DataClear1 = addItem(BcBarPopupMenu1, "DataClear1", QStringLiteral("Data Clear"), 5, true);
    BcBarPopupMenu1->addSeparator();
    auto *printMenu = new QMenu(QStringLiteral("Print"), BcBarPopupMenu1);
    Printdatasheet1 = BcBarPopupMenu1->addMenu(printMenu);
    Printdatasheet1->setObjectName(QStringLiteral("Printdatasheet1"));
    DataSheet1 = addItem(printMenu, "DataSheet1", QStringLiteral("Data-Sheet"), 8, true);
    Graph1 = addItem(printMenu, "Graph1", QStringLiteral("Graph"), 9, true);
    BcBarPopupMenu1->addSeparator();
    Exit1 = addItem(BcBarPopupMenu1, "Exit1", QStringLiteral("Exit"), 0, true);
}

void TfrmMain::buildStatusBar(QVBoxLayout *outer)
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(23);
    // Arial's metrics (Liberation Sans here) keep the port text inside its 104 pixels.
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(11);
    bar->setFont(small);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(2);
    auto *lights = new QFrame(bar);
    lights->setFrameShape(QFrame::Panel);
    lights->setFrameShadow(QFrame::Sunken);
    auto *lr = new QHBoxLayout(lights);
    lr->setContentsMargins(3, 0, 3, 0);
    lr->setSpacing(3);
    lightTX = new TStatusLight(QColor(255, 40, 40), lights);
    lightTX->setObjectName(QStringLiteral("lightTX"));
    lightTX->setToolTip(QStringLiteral("TX"));
    lightRX = new TStatusLight(QColor(40, 230, 40), lights);
    lightRX->setObjectName(QStringLiteral("lightRX"));
    lightRX->setToolTip(QStringLiteral("RX"));
    lr->addWidget(lightTX);
    lr->addWidget(lightRX);
    row->addWidget(lights);
    stComm = statusPanel(QString(), QFrame::Sunken, bar);
    stComm->setObjectName(QStringLiteral("stComm"));
    stComm->setFixedWidth(104);
    row->addWidget(stComm);
    lblFileName = statusPanel(QStringLiteral("File name"), QFrame::Raised, bar);
    row->addWidget(lblFileName);
    stFilename = statusPanel(QString(), QFrame::Sunken, bar);
    stFilename->setObjectName(QStringLiteral("stFilename"));
    stFilename->setMinimumWidth(40);
    stFilename->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(stFilename, 1);
    stDate = statusPanel(QStringLiteral("YYYY/mm/DD HH:NN:SS"), QFrame::Sunken, bar);
    stDate->setObjectName(QStringLiteral("stDate"));
    stDate->setFixedWidth(143);
    row->addWidget(stDate);
    row->addWidget(new QSizeGrip(bar), 0, Qt::AlignBottom | Qt::AlignRight);
    outer->addWidget(bar);
}

void TfrmMain::paintEvent(QPaintEvent *)
{
    // The thin edges down both sides of the frame.
    QPainter p(this);
    QLinearGradient g(0, 0, kEdge, 0);
    g.setColorAt(0, QColor(0, 40, 90));
    g.setColorAt(1, QColor(64, 128, 128));
    p.fillRect(QRect(0, 0, kEdge, height()), g);
    QLinearGradient g2(width() - kEdge, 0, width(), 0);
    g2.setColorAt(0, QColor(64, 128, 128));
    g2.setColorAt(1, QColor(0, 40, 90));
    p.fillRect(QRect(width() - kEdge, 0, kEdge, height()), g2);
    p.fillRect(QRect(0, height() - kEdge, width(), kEdge), QColor(0, 40, 90));
}

Qt::Edges TfrmMain::edgesAt(const QPoint &pos) const
{
    Qt::Edges e;
    if (pos.x() < kEdge)
        e |= Qt::LeftEdge;
    if (pos.x() >= width() - kEdge)
        e |= Qt::RightEdge;
    if (pos.y() >= height() - kEdge)
        e |= Qt::BottomEdge;
    return e;
}

} // namespace Zentrix
