#include "TfrmConfig.h"

#include "Controls.h"
#include "Global.h"
#include "LocaleFormat.h"
#include "ValueRules.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace Zentrix {

namespace {

QLabel *caption(const QString &text, const char *style, QWidget *parent, int points = 8, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setFixedWidth(207);
    l->setMinimumHeight(21);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setStyleSheet(QStringLiteral("QLabel { %1 border: 1px solid #404040; padding-left: 3px; }")
                         .arg(QString::fromLatin1(style)));
    QFont f = l->font();
    f.setPointSize(points);
    f.setBold(bold);
    l->setFont(f);
    return l;
}

const char *kPlain = "color: black;";
const char *kTeal = "background: #008080; color: white;";
const char *kDarkTeal = "background: #004040; color: white;";
const char *kNavy = "background: #000080; color: white;";

QFont tenPoint(QWidget *w)
{
    QFont f = w->font();
    f.setPointSize(10);
    return f;
}

} // namespace

QString LimitText(double v)
{
    // Plain decimal with at most 15 significant digits and no trailing zeros.
    QString t = QString::number(v, 'g', 15);
    if (t.contains(QChar('e'), Qt::CaseInsensitive)) {
        const int digits = std::max(0, 14 - static_cast<int>(std::floor(std::log10(std::fabs(v)))));
        t = QString::number(v, 'f', std::min(digits, 30));
        if (t.contains(QChar('.'))) {
            while (t.endsWith(QChar('0')))
                t.chop(1);
            if (t.endsWith(QChar('.')))
                t.chop(1);
        }
    }
    if (t == QLatin1String("-0"))
        t = QStringLiteral("0");
    return Cut255(t.replace(QChar('.'), DecimalSeparator()));
}

TfrmConfig::TfrmConfig(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("Configuration"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    QFont base(QStringLiteral("MS Sans Serif"));
    base.setPointSize(8);
    setFont(base);

    auto *grid = new QVBoxLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(3);
    // A row is a boxed caption 207 wide with its control over the right half, from 93, 114 wide.
    auto addRow = [&](QLabel *label, QWidget *control) {
        auto *row = new QWidget(this);
        row->setFixedSize(207, 23);
        label->setParent(row);
        label->setGeometry(0, 0, 207, 23);
        control->setParent(row);
        control->setGeometry(93, 1, 114, 21);
        grid->addWidget(row);
    };
    auto list = [&](const QStringList &items) {
        auto *c = new QComboBox(this);
        c->addItems(items);
        return c;
    };

    cbModel = new QComboBox(this);
    addRow(caption(QStringLiteral("MODEL"), kPlain, this), cbModel);
    cbPort = list({"COM1", "COM2", "COM3", "COM4", "COM5", "COM6"});
    for (int i = 0; i < kPortCount; ++i)
        cbPort->setItemData(i, PortDevice(i + 1), Qt::ToolTipRole);
    addRow(caption(QStringLiteral("PORT"), kPlain, this, 10), cbPort);
    // Which device the chosen COMn stands for on this machine.
    lblPortDevice = new QLabel(this);
    lblPortDevice->setObjectName(QStringLiteral("lblPortDevice"));
    lblPortDevice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblPortDevice->setStyleSheet(QStringLiteral("color: #404040;"));
    grid->addWidget(lblPortDevice);

    auto *group = new QFrame(this);
    group->setFrameShape(QFrame::Box);
    group->setFont(tenPoint(group));
    group->setFixedSize(207, 74);
    auto *heading = caption(QStringLiteral("SAMPLE COUNT"), kDarkTeal, group, 10);
    heading->setGeometry(1, 1, 205, 22);
    rbAuto = new QRadioButton(QStringLiteral("Repetitive"), group);
    rbCount = new QRadioButton(QStringLiteral("Sample Count"), group);
    rbAuto->setChecked(true);
    rbAuto->setGeometry(6, 26, 120, 21);
    rbCount->setGeometry(6, 49, 120, 21);
    eCount = new TNumEdit(0, 10000, QStringLiteral(",0;"), group);
    eCount->SetMaxChars(5);
    eCount->setGeometry(126, 49, 76, 21);
    grid->addWidget(group);

    eInterval = new TNumEdit(1, 3600, QStringLiteral(",0;"), this);
    eInterval->SetMaxChars(4);
    eInterval->SetValue(2);
    addRow(caption(QStringLiteral("INTERVAL(SEC)"), kPlain, this), eInterval);
    cbMainChannel = list({"MAIN", "SUB1", "SUB2", "SUB3"});
    addRow(caption(QStringLiteral("CHANNEL"), kNavy, this, 10, true), cbMainChannel);
    cbTrigger = list({"Trigger Off", "Rising Edge", "Falling Edge"});
    addRow(caption(QStringLiteral("TRIGGER"), kTeal, this), cbTrigger);
    eDelay = new TNumEdit(0, 999, QStringLiteral(",0;"), this);
    eDelay->SetMaxChars(3);
    addRow(caption(QStringLiteral("DELAY"), kTeal, this), eDelay);
    eValue = new TNumEdit(-99999, 99999, QStringLiteral("0.0000;-0.0000;"), this);
    addRow(caption(QStringLiteral("VALUE"), kTeal, this), eValue);
    cbCapture = list({"No Condition", "Data >= High Limit", "Data <= Low Limit", "Low <= Data <= High"});
    addRow(caption(QStringLiteral("CAPTURE"), kNavy, this), cbCapture);
    eHigh = new TNumEdit(-99999, 99999, QStringLiteral("0.0000;-0.0000;"), this);
    addRow(caption(QStringLiteral("HIGH LIMIT"), kNavy, this), eHigh);
    eLow = new TNumEdit(-99999, 99999, QStringLiteral("0.0000;-0.0000;"), this);
    addRow(caption(QStringLiteral("LOW LIMIT"), kNavy, this), eLow);
    for (TNumEdit *e : {eValue, eHigh, eLow}) {
        e->SetMaxChars(6);
    }
    for (TNumEdit *e : {eCount, eInterval, eDelay, eValue, eHigh, eLow})
        e->setFont(tenPoint(e));

    auto *buttons = new QHBoxLayout;
    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton *b : {btnOk, btnCancel}) {
        b->setFlat(true);
        b->setAutoDefault(false);
        b->setIcon(style()->standardIcon(b == btnOk ? QStyle::SP_DialogOkButton : QStyle::SP_DialogCancelButton));
        buttons->addWidget(b);
    }
    grid->addLayout(buttons);

    const QList<QWidget *> order = KeyboardOrder();
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    for (QWidget *w : order)
        w->installEventFilter(this);
    connect(btnOk, &QPushButton::clicked, this, &TfrmConfig::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmConfig::btnCancelClick);
    connect(cbPort, &QComboBox::currentIndexChanged, this, &TfrmConfig::showPortDevice);

    // FormCreate
    Set_Data(true);
    showPortDevice();
    setFixedSize(sizeHint().expandedTo(QSize(217, 346)));
    if (owner)
        move(owner->geometry().center() - rect().center());
    cbModel->setFocus();
}

QList<QWidget *> TfrmConfig::KeyboardOrder() const
{
    return {cbModel, eInterval, cbMainChannel, cbTrigger, eDelay, eValue, cbCapture,
            eHigh,   eLow,      rbAuto,        rbCount,   eCount, cbPort};
}

void TfrmConfig::showPortDevice()
{
    const int i = cbPort->currentIndex();
    lblPortDevice->setText(i >= 0 ? QStringLiteral("COM%1 = %2").arg(i + 1).arg(PortDevice(i + 1)) : QString());
}

void TfrmConfig::AddModelMenu()
{
    cbModel->clear();
    m_modelNumbers.clear();
    for (const TMODEL &m : ModelTable) {
        if (m.Type > 0) {
            cbModel->addItem(m.Name);
            m_modelNumbers << m.Number;
        }
    }
    // A model not offered falls back to the last one listed, at once.
    if (Settings.MODEL > 0 && !m_modelNumbers.contains(Settings.MODEL))
        Settings.MODEL = m_modelNumbers.isEmpty() ? 0 : m_modelNumbers.last();
    cbModel->setCurrentIndex(static_cast<int>(m_modelNumbers.indexOf(Settings.MODEL)));
}

void TfrmConfig::Set_Data(bool load)
{
    auto position = [](QComboBox *c, int i) { c->setCurrentIndex(i >= 0 && i < c->count() ? i : -1); };
    if (load) {
        position(cbPort, Settings.PORT - 1);
        position(cbMainChannel, Settings.MAINCHANNEL);
        position(cbTrigger, Settings.TRIGGER);
        position(cbCapture, Settings.CAPTURE);
        eCount->SetValue(Settings.COUNT);
        eInterval->SetValue(Settings.INTERVAL);
        eDelay->SetValue(Settings.DELAY);
        const QChar sep = DecimalSeparator();
        if (sep != QChar('.')) {
            Settings.VALUE = ReplaceAll(Settings.VALUE, QStringLiteral("."), QString(sep));
            Settings.HIGH = ReplaceAll(Settings.HIGH, QStringLiteral("."), QString(sep));
            Settings.LOW = ReplaceAll(Settings.LOW, QStringLiteral("."), QString(sep));
        }
        for (auto [text, field] : {std::pair{&Settings.VALUE, eValue}, std::pair{&Settings.HIGH, eHigh},
                                   std::pair{&Settings.LOW, eLow}})
            if (IsNumeric(*text))
                field->SetValue(NumValue(*text));
        (Settings.COUNTREP ? rbAuto : rbCount)->setChecked(true);
        eCount->setEnabled(!rbAuto->isChecked());
        AddModelMenu();
        return;
    }
    // A list with no selection keeps its setting as it was.
    const int model = cbModel->currentIndex();
    if (model >= 0 && model < m_modelNumbers.size()) {
        Settings.MODEL = m_modelNumbers[model];
        if (const TMODEL *m = ModelEntry(Settings.MODEL))
            Settings.TYPE = m->Type;
    }
    if (cbPort->currentIndex() >= 0)
        Settings.PORT = cbPort->currentIndex() + 1;
    if (cbMainChannel->currentIndex() >= 0)
        Settings.MAINCHANNEL = cbMainChannel->currentIndex();
    if (cbTrigger->currentIndex() >= 0)
        Settings.TRIGGER = cbTrigger->currentIndex();
    if (cbCapture->currentIndex() >= 0)
        Settings.CAPTURE = cbCapture->currentIndex();
    for (TNumEdit *e : {eCount, eInterval, eDelay, eValue, eHigh, eLow})
        e->clearFocus(); // takes a value still being typed
    Settings.COUNT = static_cast<int>(std::trunc(eCount->Value()));
    Settings.INTERVAL = static_cast<int>(std::trunc(eInterval->Value()));
    Settings.DELAY = static_cast<int>(std::trunc(eDelay->Value()));
    Settings.VALUE = LimitText(eValue->Value());
    Settings.HIGH = LimitText(eHigh->Value());
    Settings.LOW = LimitText(eLow->Value());
    Settings.COUNTREP = rbAuto->isChecked();
}

void TfrmConfig::btnOkClick()
{
    Set_Data(false);
    done(1);
}

void TfrmConfig::btnCancelClick() { reject(); }

bool TfrmConfig::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        const QList<QWidget *> order = KeyboardOrder();
        const qsizetype at = order.indexOf(static_cast<QWidget *>(watched));
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && at >= 0) {
            // Enter moves on in the keyboard order, past what cannot take the focus.
            for (qsizetype step = 1; step <= order.size(); ++step) {
                QWidget *next = order[(at + step) % order.size()];
                if (next->isEnabled()) {
                    next->setFocus(Qt::TabFocusReason);
                    break;
                }
            }
            return true;
        }
        if (k->key() == Qt::Key_Backspace && qobject_cast<QComboBox *>(watched))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Zentrix
