// Drawing of the materia medica page, shared by the view's paint and its grabs: the frames, the symptom lines,
// the column header, the grid of cells, the labels and summary, the cursor line's full text and the inverted cursor.
#pragma once

#include "materiamedica/MateriaMedicaListing.h"
#include "materiamedica/RowLayout.h"

#include <QRect>
#include <QSize>

class QPainter;

namespace quillon {

// A rectangle of the 640 x 400 design space in pixels of a screen of the given size (rounded toward zero).
QRect ScaleDesignRect(int left, int top, int right, int bottom, QSize screen);
QRect ScaleDesignRect(const CLayoutRect& rect, QSize screen);

void PaintMateriaMedica(QPainter& painter, const MateriaMedicaListing& listing, const CMateriaMedicaCursor& cursor,
    const RowLayout& layout, QSize screen);

} // namespace quillon
