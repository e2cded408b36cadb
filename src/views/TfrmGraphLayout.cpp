// The Graph window's controls; the handlers live in TfrmGraph.cpp.
#include "Chart.h"
#include "Controls.h"
#include "TfrmGraph.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace Zentrix {

namespace {

TPanel *blackPanel(int pixelSize, QWidget *parent)
{
    auto *l = new TPanel(parent);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    l->setFont(f);
    l->SetColors(Qt::yellow, Qt::black);
    return l;
}

} // namespace

void TfrmGraph::buildLayout()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // Top strip: channel, function, value, unit, max and min.
    auto *top = new QWidget(this);
    top->setFixedHeight(48);
    auto *tr = new QHBoxLayout(top);
    tr->setContentsMargins(2, 2, 2, 2);
    tr->setSpacing(2);
    auto *chBox = new QVBoxLayout;
    chBox->setSpacing(1);
    chBox->addWidget(new TBoxLabel(QStringLiteral("Channel"), top));
    cbChannel = new QComboBox(top);
    cbChannel->setObjectName(QStringLiteral("cbChannel"));
    cbChannel->addItems({QStringLiteral("MAIN"), QStringLiteral("SUB1"), QStringLiteral("SUB2"), QStringLiteral("SUB3")});
    chBox->addWidget(cbChannel);
    tr->addLayout(chBox);
    pnlFunc = blackPanel(16, top);
    pnlFunc->setFixedWidth(97);
    pnlData = blackPanel(24, top);
    pnlUnit = blackPanel(16, top);
    pnlUnit->setFixedWidth(93);
    tr->addWidget(pnlFunc);
    tr->addWidget(pnlData, 1);
    tr->addWidget(pnlUnit);
    auto *mm = new QGridLayout;
    mm->setSpacing(1);
    lblMax = new TPanel(top);
    lblMin = new TPanel(top);
    int row = 0;
    for (auto [caption, label] : {std::pair{" MAX:", lblMax}, std::pair{" MIN :", lblMin}}) {
        auto *c = new QLabel(QString::fromLatin1(caption), top);
        c->setFrameShape(QFrame::Panel);
        c->setFrameShadow(QFrame::Raised);
        label->setMinimumWidth(70);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->SetColors(Qt::blue, QColor());
        mm->addWidget(c, row, 0);
        mm->addWidget(label, row, 1);
        ++row;
    }
    tr->addLayout(mm);
    outer->addWidget(top);

    // The chart and its position bar.
    Chart1 = new TChart(this);
    outer->addWidget(Chart1, 1);
    pnlPosition = new QWidget(this);
    pnlPosition->setFixedHeight(32);
    auto *pr = new QHBoxLayout(pnlPosition);
    pr->setContentsMargins(4, 0, 4, 0);
    TrackBar1 = new QSlider(Qt::Horizontal, pnlPosition);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(0, 0);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    pr->addWidget(TrackBar1);
    outer->addWidget(pnlPosition);

    // Bottom strip: colours, grids, range.
    auto *bottom = new QWidget(this);
    bottom->setFixedHeight(51);
    auto *br = new QHBoxLayout(bottom);
    br->setContentsMargins(4, 2, 4, 2);
    br->setSpacing(4);
    br->addWidget(new QLabel(QStringLiteral("Color"), bottom));
    CbBackColor = new TColorComboBox(bottom);
    CbBackColor->setToolTip(QStringLiteral("Back Ground Color"));
    CbBackColor->SetColor(Qt::black);
    CbLineColor = new TColorComboBox(bottom);
    CbLineColor->setToolTip(QStringLiteral("Line Color"));
    CbLineColor->SetColor(QColor(0, 255, 0));
    for (TColorComboBox *c : {CbBackColor, CbLineColor}) {
        c->setMinimumContentsLength(6);
        br->addWidget(c);
    }
    ChkGridX = new QCheckBox(QStringLiteral("Grid X"), bottom);
    ChkGridX->setToolTip(QStringLiteral("X Grid Enabled or Disable"));
    ChkGridX->setProperty("Tag", 1);
    ChkGridY = new QCheckBox(QStringLiteral("Y"), bottom);
    ChkGridY->setToolTip(QStringLiteral("Y Grid Enable or Disable"));
    ChkGridY->setProperty("Tag", 2);
    chkRange = new QCheckBox(QStringLiteral("Auto Graph"), bottom);
    for (QCheckBox *b : {ChkGridX, ChkGridY, chkRange}) {
        b->setChecked(true);
        br->addWidget(b);
    }
    br->addStretch(1);
    br->addWidget(new QLabel(QStringLiteral(" V-Max"), bottom));
    eYhigh = new TNumEdit(-19999, 19999, QStringLiteral("0;"), bottom);
    eYhigh->SetMaxChars(6);
    eYhigh->setFixedWidth(56);
    RxSpinButton1 = new TSpinButton(bottom);
    br->addWidget(eYhigh);
    br->addWidget(RxSpinButton1);
    br->addWidget(new QLabel(QStringLiteral("Min"), bottom));
    eYLow = new TNumEdit(-19999, 19999, QStringLiteral("0;"), bottom);
    eYLow->SetMaxChars(6);
    eYLow->setFixedWidth(56);
    RxSpinButton2 = new TSpinButton(bottom);
    br->addWidget(eYLow);
    br->addWidget(RxSpinButton2);
    outer->addWidget(bottom);

    // The fields change through the spin buttons only.
    eYhigh->setReadOnly(true);
    eYLow->setReadOnly(true);
    // The design values of the manual range.
    eYhigh->SetValue(400);
    eYLow->SetValue(-400);
}

} // namespace Zentrix
