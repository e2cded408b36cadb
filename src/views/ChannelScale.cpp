#include "ChannelScale.h"

#include "LocaleFormat.h"

#include <cmath>

namespace Zentrix {

void ResetScale(ChannelScale &scale) { scale = ChannelScale{}; }

namespace {

QStringView code(const QString &line) { return QStringView(line).left(2); }
QStringView trimmed(QStringView s) { return s.trimmed(); }

} // namespace

void ComputeScale(int channel, const QString &main, const QString &sub1, const QString &sub2,
                  const QString &sub3, ChannelScale &scale, int meterType)
{
    const QString *lines[] = {&main, &sub1, &sub2, &sub3};
    const QString &selected = (channel >= 1 && channel <= 3) ? *lines[channel] : main;
    const QStringView mainCode = code(main);
    const QStringView selCode = code(selected);
    const QStringView field = QStringView(selected).mid(2, 7);
    const qsizetype sepAt = field.indexOf(DecimalSeparator());
    const int p = sepAt >= 0 ? static_cast<int>(sepAt) + 1 : 0;
    const QStringView unit = trimmed(QStringView(selected).mid(9, 4));

    // 1. Decimals shown give the full scale and the format.
    double maximum;
    static const QString formats[] = {QStringLiteral("#0."),      QStringLiteral("#0.0"),
                                      QStringLiteral("#0.00"),    QStringLiteral("#0.000"),
                                      QStringLiteral("#0.0000"),  QStringLiteral("#0.00000")};
    static const QString whole = QStringLiteral("#0");
    if (meterType == 1 && p == 0) {
        maximum = 4000;
        scale.ValueFormat = whole;
    } else {
        const int b = 7 - p;
        static constexpr double pow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
        maximum = (meterType == 1 ? 4000.0 : 20000.0) / pow10[b];
        scale.ValueFormat = formats[std::min(b, 5)];
    }

    // 2. Exceptions by channel.
    switch (channel) {
    case 0:
        if (meterType == 1 && selCode == QLatin1String("DI"))
            maximum = 2000;
        else if (meterType == 1 && selCode == QLatin1String("LO"))
            maximum = 4000;
        else if (meterType != 1 && (selCode == QLatin1String("DI") || selCode == QLatin1String("LO")))
            maximum = 2000;
        if (selCode == QLatin1String("AC") && unit == QLatin1String("A") && maximum == 40)
            maximum = 20;
        break;
    case 1:
        if (mainCode == QLatin1String("WT") && unit == QLatin1String("A"))
            maximum = 20;
        else if (mainCode == QLatin1String("WT") && trimmed(selCode) == QLatin1String("$"))
            maximum = 100;
        break;
    case 2:
        if (mainCode == QLatin1String("WT") && unit == QLatin1String("V"))
            maximum = 256;
        else if (mainCode == QLatin1String("WT") && unit == QLatin1String("kWh"))
            maximum = 100;
        break;
    case 3:
        if (mainCode == QLatin1String("WT") && trimmed(selCode) == QLatin1String("$"))
            maximum = 1000;
        break;
    default:
        break;
    }

    // 3. Caps by the function.
    if (selCode == QLatin1String("DC") && maximum > 1000)
        maximum = 1000;
    else if (selCode == QLatin1String("AC") && maximum > 750)
        maximum = 750;

    // 4. The range.
    scale.RangeMax = maximum;
    scale.RangeMin = 0;
    if (mainCode == QLatin1String("DC") || mainCode == QLatin1String("TE"))
        scale.RangeMin = -maximum;
    switch (channel) {
    case 0:
        if (mainCode == QLatin1String("TE")) {
            scale.RangeMin = -40;
            scale.RangeMax = 120;
        }
        break;
    case 2:
        if (mainCode == QLatin1String("FR") && trimmed(selCode) != QLatin1String("AC"))
            scale.RangeMin = -maximum;
        if (mainCode == QLatin1String("TE")) {
            scale.RangeMin = -40;
            scale.RangeMax = 250;
        }
        break;
    case 3:
        if (mainCode == QLatin1String("LO"))
            scale.RangeMin = -maximum;
        if (selCode == QLatin1String("dB"))
            scale.RangeMin = -maximum;
        if (meterType == 1 && selCode == QLatin1String("PF")) {
            scale.RangeMin = 0;
            scale.RangeMax = 1;
        }
        break;
    default:
        break;
    }
}

QString FormatValue(double v, const QString &format)
{
    const qsizetype point = format.indexOf(QChar('.'));
    const int decimals = point < 0 ? 0 : static_cast<int>(format.size() - point - 1);
    QString text = QString::number(v, 'f', decimals);
    if (text.startsWith(QChar('-')) && text.count(QChar('0')) + text.count(QChar('.')) == text.size() - 1)
        text.remove(0, 1); // no "-0.00"
    const QChar sep = DecimalSeparator();
    if (sep != QChar('.'))
        text.replace(QChar('.'), sep);
    return text;
}

} // namespace Zentrix
