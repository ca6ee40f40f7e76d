// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-drawn pixel art: rows of characters turned into an image.
#include "pixel_map.h"

#include <stdexcept>
#include <string>

namespace marnelok {

QImage imageFromPixelMap(std::initializer_list<std::string_view> rows, const PixelKey& key) {
  if (rows.size() == 0) throw std::invalid_argument("pixel map without rows");
  const auto width = rows.begin()->size();
  bool translucent = false;
  for (const auto& entry : key) translucent = translucent || qAlpha(entry.second) != 255;
  QImage image(static_cast<int>(width), static_cast<int>(rows.size()),
               translucent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  int y = 0;
  for (const std::string_view row : rows) {
    if (row.size() != width) {
      throw std::invalid_argument("pixel map row " + std::to_string(y) + " has " +
                                  std::to_string(row.size()) + " pixels, expected " +
                                  std::to_string(width));
    }
    for (std::size_t x = 0; x < width; ++x) {
      const char c = row[x];
      bool known = false;
      for (const auto& [symbol, color] : key) {
        if (symbol == c) {
          image.setPixel(static_cast<int>(x), y, color);
          known = true;
          break;
        }
      }
      if (!known) {
        throw std::invalid_argument(std::string("pixel map character '") + c + "' has no colour");
      }
    }
    ++y;
  }
  return image;
}

}  // namespace marnelok
