#pragma once

#include <QString>

namespace Zentrix {

// One 13-character meter line: 1-2 function code, 3-9 value, 10-13 unit.
// Fields are taken by position and trimmed, so a trailing CR never reaches them.
QString LineFunction(const QString &line);
QString LineValue(const QString &line);
QString LineUnit(const QString &line);

} // namespace Zentrix
