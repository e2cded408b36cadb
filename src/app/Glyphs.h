#pragma once

#include <QIcon>

namespace Zentrix {

// The tool bar's pictures, drawn rather than shipped: one per command number.
QIcon ToolGlyph(int command);
// The tiled background of the title strip and its end caps.
QPixmap TitleTile();
QPixmap TitleCap(bool left);

} // namespace Zentrix
