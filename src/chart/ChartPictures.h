// The pictures of the chart's method and clipboard buttons and its drag cursor, drawn in code.
#pragma once

#include "chart/ChartFormParts.h"

#include <QCursor>
#include <QPixmap>

namespace quillon {

// The 16 x 16 icon of a method button; null for other parts.
QPixmap MethodButtonIcon(FormPart button);
// The 20 x 22 picture of a list button (mind, general, rest, the clipboards) with its list full or empty.
QPixmap ListButtonPicture(FormPart button, bool full);
// The cursor shown while a symptom or remedy is dragged: a hand carrying a sheet.
QCursor DragSheetCursor();

} // namespace quillon
