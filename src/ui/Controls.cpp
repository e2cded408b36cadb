#include "Controls.h"

#include "LocaleFormat.h"
#include "ValueRules.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <cmath>

namespace Zentrix {

TBoxLabel::TBoxLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("QLabel { background: #000080; color: white; font-weight: bold; "
                                 "border: 1px solid #404040; padding: 1px 4px; }"));
}

TPanel::TPanel(QWidget *parent) : QWidget(parent) {}

void TPanel::setText(const QString &t)
{
    if (t == m_text)
        return;
    m_text = t;
    // One request for the next paint is enough, however often the text changes before it.
    if (!m_dirty) {
        m_dirty = true;
        update();
    }
}

void TPanel::setText(QStringView t)
{
    if (t != QStringView(m_text))
        setText(t.toString());
}

void TPanel::setAlignment(Qt::Alignment a)
{
    m_align = a;
    update();
}

void TPanel::SetColors(const QColor &text, const QColor &background)
{
    m_fg = text;
    m_bg = background;
    update();
}

void TPanel::SetSunken(bool sunken)
{
    m_sunken = sunken;
    update();
}

QSize TPanel::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(m_text.isEmpty() ? QStringLiteral("00000") : m_text) + 8, fm.height() + 6);
}

void TPanel::paintEvent(QPaintEvent *)
{
    m_dirty = false;
    QPainter p(this);
    const QRect r = rect();
    if (m_bg.isValid())
        p.fillRect(r, m_bg);
    // A one-pixel bevel, lowered or raised.
    const QColor dark = palette().color(QPalette::Dark), light = palette().color(QPalette::Light);
    p.setPen(m_sunken ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(m_sunken ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(m_fg);
    p.setFont(font());
    p.drawText(r.adjusted(3, 1, -3, -1), static_cast<int>(m_align) | Qt::TextSingleLine, m_text);
}

TBar::TBar(QWidget *parent) : QWidget(parent) {}

void TBar::setValue(int v)
{
    v = std::clamp(v, 0, 100);
    if (v == m_value)
        return;
    m_value = v;
    update();
}

void TBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(1, 1, -1, -1);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const int w = r.width() * m_value / 100;
    p.fillRect(QRect(r.left() + 1, r.top() + 1, std::max(0, w - 2), r.height() - 2), palette().color(QPalette::Highlight));
}

TNumEdit::TNumEdit(double minValue, double maxValue, const QString &displayFormat, QWidget *parent)
    : QLineEdit(parent), m_min(minValue), m_max(maxValue), m_format(displayFormat)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_value = std::clamp(0.0, m_min, m_max);
    setText(DisplayText());
    connect(this, &QLineEdit::editingFinished, this, &TNumEdit::takeText);
}

QString TNumEdit::DisplayText() const
{
    // Display formats: "0;" whole, ",0;" whole with thousands separators, "0.0000;..." decimals.
    const QString positive = m_format.section(QChar(';'), 0, 0);
    const qsizetype point = positive.indexOf(QChar('.'));
    const int decimals = point < 0 ? 0 : static_cast<int>(positive.size() - point - 1);
    if (positive.startsWith(QChar(',')))
        return QLocale::system().toString(m_value, 'f', decimals);
    QString t = QString::number(m_value, 'f', decimals);
    return t.replace(QChar('.'), DecimalSeparator());
}

void TNumEdit::SetValue(double v)
{
    // Out-of-range values are held at the nearer limit.
    v = std::clamp(v, m_min, m_max);
    const bool changed = v != m_value;
    m_value = v;
    setText(DisplayText());
    if (changed)
        emit Changed();
}

void TNumEdit::takeText()
{
    QString t = text().trimmed();
    t.remove(QLocale::system().groupSeparator());
    if (const auto v = ConvertNumber(t))
        SetValue(*v);
    else
        setText(DisplayText());
}

void TNumEdit::keyPressEvent(QKeyEvent *e)
{
    const QString typed = e->text();
    if (!typed.isEmpty() && typed.at(0).isPrint()) {
        // Number input only, up to the field's length.
        const QChar c = typed.at(0);
        if (!c.isDigit() && c != QChar('-') && c != QChar('+') && c != DecimalSeparator() && c != QChar('e')
            && c != QChar('E'))
            return;
        QString after = text();
        after.remove(QLocale::system().groupSeparator());
        if (m_maxChars > 0 && !hasSelectedText() && after.size() >= m_maxChars)
            return;
    }
    QLineEdit::keyPressEvent(e);
}

void TNumEdit::focusOutEvent(QFocusEvent *e)
{
    takeText();
    QLineEdit::focusOutEvent(e);
}

TSpinButton::TSpinButton(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Up = new QToolButton(this);
    Down = new QToolButton(this);
    Up->setArrowType(Qt::UpArrow);
    Down->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {Up, Down}) {
        b->setFixedSize(16, 11);
        b->setAutoRepeat(true);
        layout->addWidget(b);
    }
    connect(Up, &QToolButton::clicked, this, &TSpinButton::TopClick);
    connect(Down, &QToolButton::clicked, this, &TSpinButton::BottomClick);
}

TColorComboBox::TColorComboBox(QWidget *parent) : QComboBox(parent)
{
    static const std::pair<const char *, QColor> colours[] = {
        {"Black", QColor(0, 0, 0)},         {"Maroon", QColor(128, 0, 0)},   {"Green", QColor(0, 128, 0)},
        {"Olive", QColor(128, 128, 0)},     {"Navy", QColor(0, 0, 128)},     {"Purple", QColor(128, 0, 128)},
        {"Teal", QColor(0, 128, 128)},      {"Gray", QColor(128, 128, 128)}, {"Silver", QColor(192, 192, 192)},
        {"Red", QColor(255, 0, 0)},         {"Lime", QColor(0, 255, 0)},     {"Yellow", QColor(255, 255, 0)},
        {"Blue", QColor(0, 0, 255)},        {"Fuchsia", QColor(255, 0, 255)}, {"Aqua", QColor(0, 255, 255)},
        {"White", QColor(255, 255, 255)},
    };
    for (const auto &[name, c] : colours) {
        QPixmap swatch(14, 10);
        swatch.fill(c);
        QPainter(&swatch).drawRect(0, 0, 13, 9);
        addItem(QIcon(swatch), QString::fromLatin1(name), c);
    }
}

QColor TColorComboBox::Color() const { return currentData().value<QColor>(); }

void TColorComboBox::SetColor(const QColor &c)
{
    const int i = findData(c);
    if (i >= 0)
        setCurrentIndex(i);
}

} // namespace Zentrix
