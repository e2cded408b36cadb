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
