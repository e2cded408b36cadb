#include "LocaleFormat.h"

#include <QLocale>
#include <optional>

namespace Zentrix {

namespace {
std::optional<QChar> g_separator;

QString two(int v) { return QString::number(v).rightJustified(2, QChar('0')); }
} // namespace

QChar DecimalSeparator()
{
    if (!g_separator) {
        const QString point = QLocale::system().decimalPoint();
        g_separator = point.isEmpty() ? QChar('.') : point.at(0);
    }
    return *g_separator;
}

void SetDecimalSeparator(QChar sep) { g_separator = sep; }

void ResetDecimalSeparator() { g_separator.reset(); }

QChar TimeSeparator()
{
    static const QChar sep = [] {
        // The first character after the hour field of the locale's short time format.
        const QString f = QLocale::system().timeFormat(QLocale::ShortFormat);
        qsizetype i = f.indexOf(QChar('h'), 0, Qt::CaseInsensitive);
        while (i >= 0 && i < f.size() && f.at(i).toLower() == QChar('h'))
            ++i;
        return (i > 0 && i < f.size() && !f.at(i).isLetterOrNumber() && f.at(i) != QChar(' ')) ? f.at(i)
                                                                                              : QChar(':');
    }();
    return sep;
}

QString FormatTimeOfDay(const QTime &t)
{
    const QChar s = TimeSeparator();
    return two(t.hour()) + s + two(t.minute()) + s + two(t.second());
}

QString CurrentTimeOfDayText()
{
    static qint64 lastSecond = -1;
    static QString text;
    const qint64 second = QDateTime::currentMSecsSinceEpoch() / 1000;
    if (second != lastSecond) {
        lastSecond = second;
        text = FormatTimeOfDay(QTime::currentTime());
    }
    return text;
}

QString FormatClock(const QDateTime &t)
{
    const QDate d = t.date();
    return two(d.month()) + QChar('-') + two(d.day()) + QChar('-') + QString::number(d.year()) + QChar(' ')
           + FormatTimeOfDay(t.time());
}

} // namespace Zentrix
