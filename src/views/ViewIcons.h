#pragma once

#include <QIcon>

namespace Zentrix {

// The window icons of the Graph and Gauge windows.
QIcon GraphIcon();
QIcon GaugeIcon();

} // namespace Zentrix
