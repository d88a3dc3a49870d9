// What the program's windows and dialogs share in look: the background colour and the dialog-unit scale their
// designs are laid out in.
#pragma once

#include <QColor>

namespace quillon {

inline const QColor kWindowBackground(243, 243, 243);

// A dialog unit is 3/2 of a pixel across and 13/8 of a pixel down.
constexpr int DialogUnitsX(int x)
{
    return x * 3 / 2;
}
constexpr int DialogUnitsY(int y)
{
    return y * 13 / 8;
}

} // namespace quillon
