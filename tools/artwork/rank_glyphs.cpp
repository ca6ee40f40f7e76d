// SPDX-License-Identifier: GPL-3.0-or-later
// Card index letters, 6 pixels tall.
#include "rank_glyphs.h"

#include <stdexcept>

#include "pixel_map.h"

namespace marnelok {

QImage rankGlyph(const QString& rank, QRgb ink) {
  const PixelKey key = {{'.', qRgba(0, 0, 0, 0)}, {'#', ink}};
  // The maps are laid out as the pictures they draw.
  // clang-format off
  if (rank == QLatin1String("A")) {
    return imageFromPixelMap({".##.", "#..#", "#..#", "####", "#..#", "#..#"}, key);
  }
  if (rank == QLatin1String("K")) {
    return imageFromPixelMap({"#..#", "#.#.", "##..", "##..", "#.#.", "#..#"}, key);
  }
  if (rank == QLatin1String("Q")) {
    return imageFromPixelMap({".##.", "#..#", "#..#", "#..#", "#.#.", ".#.#"}, key);
  }
  if (rank == QLatin1String("J")) {
    return imageFromPixelMap({"..##", "...#", "...#", "...#", "#..#", ".##."}, key);
  }
  if (rank == QLatin1String("10")) {
    return imageFromPixelMap({".#...##.",
                              "##..#..#",
                              ".#..#..#",
                              ".#..#..#",
                              ".#..#..#",
                              "###..##."},
                             key);
  }
  throw std::invalid_argument("no pixel glyph for the rank \"" + rank.toStdString() + "\"");
}

// clang-format on
}  // namespace marnelok
