#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace Zentrix {

// A caption in a box: white bold text on navy.
class TBoxLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TBoxLabel(const QString &text, QWidget *parent = nullptr);
};

// A panel that shows one line of text. Setting a text only marks the panel for the next paint,
// so a long replay that sets it for every row costs next to nothing.
class TPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TPanel(QWidget *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &t);
    void setText(QStringView t);
    void clear() { setText(QString()); }
    void setAlignment(Qt::Alignment a);
    void SetColors(const QColor &text, const QColor &background);
    void SetSunken(bool sunken);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString m_text;
    Qt::Alignment m_align = Qt::AlignCenter;
    QColor m_fg = Qt::black;
    QColor m_bg;
    bool m_sunken = true;
    bool m_dirty = false;
};

// A horizontal bar from 0 to 100.
class TBar : public QWidget
{
    Q_OBJECT

public:
    explicit TBar(QWidget *parent = nullptr);
    int value() const { return m_value; }
    void setValue(int v);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_value = 0;
};

// A numeric field that holds its value within limits and shows it in a display format
// ("0;" whole numbers, ",0;" with thousands separators, "0.0000;-0.0000;" four decimals).
// Text that is not a number leaves the last valid value in place. Changed fires on every change
// of the value, also when the program sets it.
class TNumEdit : public QLineEdit
{
    Q_OBJECT

public:
    TNumEdit(double minValue, double maxValue, const QString &displayFormat, QWidget *parent = nullptr);

    double Value() const { return m_value; }
    void SetValue(double v);
    double MinValue() const { return m_min; }
    double MaxValue() const { return m_max; }
    QString DisplayText() const;
    // At most n characters typed (the shown text may be longer, with its grouping).
    void SetMaxChars(int n) { m_maxChars = n; }

signals:
    void Changed();

protected:
    void focusOutEvent(QFocusEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void takeText();

    double m_min, m_max;
    QString m_format;
    double m_value = 0;
    int m_maxChars = 0;
};

// Two small arrow buttons, up and down.
class TSpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit TSpinButton(QWidget *parent = nullptr);
    QToolButton *Up;
    QToolButton *Down;

signals:
    void TopClick();
    void BottomClick();
};

// A list of the standard colours, each shown with its swatch.
class TColorComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit TColorComboBox(QWidget *parent = nullptr);
    QColor Color() const;
    void SetColor(const QColor &c);
};

} // namespace Zentrix
