#pragma once

#include <QChar>

namespace Zentrix {

// The locale's decimal separator, taken from the system locale on first use.
// Tests set it to ',' to run the comma cases.
QChar DecimalSeparator();
void SetDecimalSeparator(QChar sep);
// Forget a value set by a test and take the system locale's again.
void ResetDecimalSeparator();

} // namespace Zentrix
