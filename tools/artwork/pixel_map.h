// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-drawn pixel art: rows of characters turned into an image, one character a pixel.
#pragma once

#include <QImage>
#include <QRgb>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace marnelok {

// Which colour each character of a pixel map stands for.
using PixelKey = std::vector<std::pair<char, QRgb>>;

// Builds an image from equally long rows: RGB32, or ARGB32 when a colour of the key is not
// opaque. Throws std::invalid_argument on
// ragged rows or on a character the key does not name, so that a typo in a map stops the
// generator instead of leaving a stray pixel in a committed file.
QImage imageFromPixelMap(std::initializer_list<std::string_view> rows, const PixelKey& key);

}  // namespace marnelok
