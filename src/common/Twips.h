#pragma once

// Every position and size on screen, on the page and on paper is in twips (1/1440 inch).
namespace brevmark::twips {

inline constexpr double perInch = 1440.0;
inline constexpr double perPoint = 20.0;
// One screen pixel at 96 dots per inch.
inline constexpr double perPixel = 15.0;

constexpr double fromPixels(double pixels) { return pixels * perPixel; }
constexpr double toPixels(double twips) { return twips / perPixel; }
// Device units for a device of the given resolution (dots per inch).
constexpr double toDots(double twips, double dotsPerInch) { return twips * dotsPerInch / perInch; }
constexpr double fromDots(double dots, double dotsPerInch) { return dots * perInch / dotsPerInch; }

} // namespace brevmark::twips
