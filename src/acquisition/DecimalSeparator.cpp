#include "DecimalSeparator.h"

#include <QLocale>
#include <optional>

namespace Zentrix {

namespace {
std::optional<QChar> g_separator;
}

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

} // namespace Zentrix
