// Quillon's own icon, for every window, the About box and the taskbar.
#pragma once

#include <QIcon>

namespace quillon {

// The resource the icon is drawn from.
inline constexpr const char* kAppIconResource = ":/icons/quillon.svg";

// The icon drawn at the sizes window frames, taskbars and the About box ask for.
QIcon QuillonIcon();

} // namespace quillon
