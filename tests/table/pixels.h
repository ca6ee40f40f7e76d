// Reading the painted canvas in tests: colours at points, counts and bounding boxes.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

namespace marnelok::test {

using PixelTest = std::function<bool(QRgb)>;

QColor ColourAt(const QImage& image, int x, int y);
bool Is(const QImage& image, int x, int y, const QColor& colour);
// Pixels of the region that pass the test.
int Count(const QImage& image, const QRect& region, const PixelTest& test);
int CountColour(const QImage& image, const QRect& region, const QColor& colour);
// Smallest rectangle holding every pixel of the region that passes (null when none does).
QRect BoundingBox(const QImage& image, const QRect& region, const PixelTest& test);
PixelTest Not(const QColor& colour);
PixelTest Exactly(const QColor& colour);
// Dark text pixels: the core and the smoothed edge of black lettering.
bool IsDark(QRgb pixel);
// Red lettering: strongly red, little green or blue.
bool IsReddish(QRgb pixel);
// The region as its own image, for comparing two drawings pixel by pixel.
QImage Cut(const QImage& image, const QRect& region);

}  // namespace marnelok::test
