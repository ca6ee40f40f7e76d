// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the artwork tests: loading a resource and reading facts from its file header.
#pragma once

#include <QImage>
#include <QSet>
#include <QString>

namespace marnelok::test {

QImage loadBitmap(const QString& alias);  // from ":/bitmaps/<alias>"
// Bits per pixel as stored in the BMP header of the resource, or -1 when it is no BMP.
int bmpBitsPerPixel(const QString& alias);
// Every colour of the image, alpha ignored.
QSet<QRgb> colorsOf(const QImage& image);
bool isMirrorSymmetric(const QImage& image);
// Perceived brightness 0 to 255.
int luminance(QRgb c);
// True when every 2x2 block is one colour: the picture is a smaller one with its pixels
// doubled, and has no detail of its own size.
bool isPixelDoubled(const QImage& image);

}  // namespace marnelok::test
