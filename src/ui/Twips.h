#pragma once
#include <cmath>

namespace kelvara {

// Window sizes of the program are given in twips, fifteen to a screen pixel.
inline constexpr int TwipsPerPixel = 15;

inline int PixelsFromTwips(int twips) { return static_cast<int>(std::lround(twips / double(TwipsPerPixel))); }
inline int TwipsFromPixels(int pixels) { return pixels * TwipsPerPixel; }

}  // namespace kelvara
