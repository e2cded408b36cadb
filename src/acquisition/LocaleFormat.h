#pragma once

#include <QChar>
#include <QDateTime>
#include <QString>

namespace Zentrix {

// The locale's decimal separator, taken from the system locale on first use.
// Tests set it to ',' to run the comma cases.
QChar DecimalSeparator();
void SetDecimalSeparator(QChar sep);
// Forget a value set by a test and take the system locale's again.
void ResetDecimalSeparator();

// The locale's time separator (':' in most locales).
QChar TimeSeparator();

// "hh:nn:ss", 24-hour, with the locale's time separator.
QString FormatTimeOfDay(const QTime &t);
// The current time of day as FormatTimeOfDay gives it. The local time is looked up once a
// second only: the C library stats the time zone file on every lookup.
QString CurrentTimeOfDayText();
// "mm-dd-yyyy hh:nn:ss".
QString FormatClock(const QDateTime &t);

} // namespace Zentrix
