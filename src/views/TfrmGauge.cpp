#include "TfrmGauge.h"

#include "Controls.h"
#include "DialGauge.h"
#include "Global.h"
#include "ValueRules.h"
#include "ViewIcons.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QVBoxLayout>

namespace Zentrix {

TfrmGauge::TfrmGauge(QMdiArea *area)
{
    setObjectName(QStringLiteral("frmGauge"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *panel1 = new QFrame(this);
    panel1->setFixedHeight(43);
    panel1->setFrameShape(QFrame::Panel);
    panel1->setFrameShadow(QFrame::Raised);
    auto *p1 = new QHBoxLayout(panel1);
    p1->setContentsMargins(6, 6, 6, 6);
    auto *panel5 = new QFrame(panel1);
    panel5->setFixedHeight(30);
    panel5->setFrameShape(QFrame::Panel);
    panel5->setFrameShadow(QFrame::Sunken);
    auto *p5 = new QHBoxLayout(panel5);
    p5->setContentsMargins(2, 2, 2, 2);
    p5->setSpacing(2);
    auto *box = new TBoxLabel(QStringLiteral("Channel"), panel5);
    box->setFixedWidth(66);
    cbChannel = new QComboBox(panel5);
    cbChannel->setObjectName(QStringLiteral("cbChannel"));
    cbChannel->addItems({QStringLiteral("MAIN"), QStringLiteral("SUB1"), QStringLiteral("SUB2"), QStringLiteral("SUB3")});
    cbChannel->setFixedWidth(98);
    lblData = new TPanel(panel5);
    lblData->setObjectName(QStringLiteral("lblData"));
    lblData->setText(QStringLiteral("0.0000"));
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    lblData->setFont(f);
    lblData->SetColors(Qt::yellow, Qt::black);
    p5->addWidget(box);
    p5->addWidget(cbChannel);
    p5->addWidget(lblData, 1);
    p1->addWidget(panel5);
    outer->addWidget(panel1);

    RGauge = new TDialGauge(this);
    outer->addWidget(RGauge, 1);

    TrBar = new TBar(this);
    TrBar->setFixedHeight(26);
    outer->addWidget(TrBar);

    m_sub = new QMdiSubWindow;
    m_sub->setAttribute(Qt::WA_DeleteOnClose);
    m_sub->setWidget(this);
    m_sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_sub->setWindowTitle(QStringLiteral("Gauge Window"));
    m_sub->setWindowIcon(GaugeIcon());
    area->addSubWindow(m_sub);
    connect(cbChannel, &QComboBox::currentIndexChanged, this, &TfrmGauge::cbChannelChange);
    connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *w) {
        if (w == m_sub)
            FormActivate();
    });
    cbChannel->installEventFilter(this);
    FormCreate();
}

void TfrmGauge::FormCreate()
{
    m_sub->resize(320, 260);
    Scale.RangeMin = -4;
    Scale.RangeMax = 4;
    {
        const QSignalBlocker quiet(cbChannel);
        cbChannel->setCurrentIndex(Settings.CHANNEL >= 0 && Settings.CHANNEL <= 3 ? Settings.CHANNEL : -1);
    }
    DrawGauge(Scale.RangeMin);
    m_sub->setWindowTitle(cbChannel->currentText() + QStringLiteral(" Gauge"));
}

void TfrmGauge::ClearGauge()
{
    Scale.ValueFormat.clear();
    Scale.RangeMin = -4;
    Scale.RangeMax = 4;
    DrawGauge(Scale.RangeMin);
}

void TfrmGauge::ShowSample(const QString &main, const QString &sub1, const QString &sub2, const QString &sub3)
{
    const QString *lines[] = {&main, &sub1, &sub2, &sub3};
    const int ch = cbChannel->currentIndex();
    const QString line = (ch >= 0 && ch <= 3) ? *lines[ch] : QString();
    if (line.trimmed().isEmpty()) {
        lblData->setText(QStringLiteral("ERROR"));
        return;
    }
    const QString value = line.mid(2, 7);
    ComputeScale(ch, main, sub1, sub2, sub3, Scale, Settings.TYPE);
    lblData->setText(value);
    double x = 0;
    switch (ClassifyValue(value)) {
    case vcNumber:
        x = NumValue(value);
        break;
    case vcOverload:
        x = Scale.RangeMax;
        break;
    case vcNegOverload:
        x = Scale.RangeMin;
        break;
    default:
        break;
    }
    DrawGauge(x);
}

void TfrmGauge::DrawGauge(double x)
{
    if (Scale.RangeMin == Scale.RangeMax)
        return;
    RGauge->SetPosition(static_cast<float>((x - Scale.RangeMin) / (Scale.RangeMax - Scale.RangeMin) * 100));
    TrBar->setValue(static_cast<int>(RGauge->Position()));
}

void TfrmGauge::EnableControls(bool enabled) { cbChannel->setEnabled(enabled); }

void TfrmGauge::cbChannelChange()
{
    Settings.CHANNEL = cbChannel->currentIndex();
    m_sub->setWindowTitle(cbChannel->currentText() + QStringLiteral(" Gauge"));
}

void TfrmGauge::FormActivate() { update(); }

bool TfrmGauge::eventFilter(QObject *watched, QEvent *event)
{
    // Enter moves on (the list is the only control that takes the focus); typed characters are consumed.
    if (event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
        if (!k->text().isEmpty() && k->text().at(0).isPrint())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Zentrix
