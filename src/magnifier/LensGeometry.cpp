// Lens settings and the property sheet's mapping.
#include "magnifier/LensGeometry.h"

#include <algorithm>

namespace quillon {

int LensSettings::SizeIndex() const
{
    // 100 and every size the sheet does not offer (the initial 300 among them) check the first button.
    for (int i = 1; i < static_cast<int>(kLensSizes.size()); ++i)
        if (kLensSizes[static_cast<std::size_t>(i)] == size)
            return i;
    return 0;
}

int LensSettings::ZoomIndex() const
{
    if (zoom == 18)
        return 0;
    if (zoom == 25)
        return 2;
    if (zoom == 30)
        return 3;
    return 1;
}

LensSettings LensSettings::FromIndexes(int sizeIndex, int zoomIndex, int shape)
{
    LensSettings settings;
    settings.size = kLensSizes[static_cast<std::size_t>(std::clamp(sizeIndex, 0, 3))];
    settings.zoom = kLensZooms[static_cast<std::size_t>(std::clamp(zoomIndex, 0, 3))];
    settings.shape = shape == kLensRound ? kLensRound : kLensRectangular;
    return settings;
}

} // namespace quillon
