// The magnifying glass without its windows: the lens's size, zoom and shape, the square of the view it enlarges,
// and the property sheet's radio buttons for those values.
#pragma once

#include <array>

namespace quillon {

enum LensShape : int { kLensRectangular = 0, kLensRound = 1 };

inline constexpr std::array<int, 4> kLensSizes{100, 120, 150, 180};
inline constexpr std::array<int, 4> kLensZooms{18, 20, 25, 30}; // tenths: X1.5 stands for 18, X2 for 20, ...

struct LensSquare
{
    int left = 0, top = 0, side = 0;
    bool operator==(const LensSquare&) const = default;
};

struct LensSettings
{
    int shape = kLensRectangular;
    int zoom = 20;
    int size = 300; // the glass starts larger than any size the sheet offers

    // Side of the source square: (size / zoom) x 10, the division taken first.
    int SourceSide() const { return zoom > 0 ? size / zoom * 10 : size; }
    // The lens's top-left corner for a mouse point.
    int LensOrigin(int p) const { return p - size / 2; }
    // The square of the snapshot the lens enlarges, for the lens at (lensLeft, lensTop).
    LensSquare Source(int lensLeft, int lensTop) const
    {
        const int s = SourceSide();
        return {lensLeft + size / 2 - s / 2, lensTop + size / 2 - s / 2, s};
    }

    // The property sheet's checked radio buttons for the current values, and the values for checked buttons.
    int SizeIndex() const;
    int ZoomIndex() const;
    static LensSettings FromIndexes(int sizeIndex, int zoomIndex, int shape);
};

} // namespace quillon
