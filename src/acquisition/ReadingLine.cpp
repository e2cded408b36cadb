#include "ReadingLine.h"

#include "ValueRules.h"

namespace Zentrix {

QString LineFunction(const QString &line) { return TrimControls(line.mid(0, 2)); }
QString LineValue(const QString &line) { return TrimControls(line.mid(2, 7)); }
QString LineUnit(const QString &line) { return TrimControls(line.mid(9, 4)); }

} // namespace Zentrix
