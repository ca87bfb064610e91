#pragma once

// The background picture's size, and where it leaves room under its title for
// the line that names the tax year: the work area writes that line over the
// picture, so that it names the year the program works in. In the picture's
// own pixels.
namespace kelvara::background {

constexpr int Width = 1600;
constexpr int Height = 1000;
constexpr int SubtitleTop = 520;
constexpr int SubtitleHeight = 50;
constexpr int SubtitlePixelSize = 32;

}  // namespace kelvara::background
