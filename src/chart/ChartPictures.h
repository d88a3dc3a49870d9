// The pictures of the chart's method and clipboard buttons and its drag cursor, drawn in code.
#pragma once

#include <QCursor>
#include <QPixmap>

namespace quillon {

// The 16 x 16 icon of a method button (1246, 1210, 1216, 1211..1215, 1217); null for other ids.
QPixmap MethodButtonIcon(int controlId);
// The 20 x 22 picture of a list button (1248, 1247, 1764, 1243..1245) with its list full or empty.
QPixmap ListButtonPicture(int controlId, bool full);
// The cursor shown while a symptom or remedy is dragged: a hand carrying a sheet.
QCursor DragSheetCursor();

} // namespace quillon
