// SPDX-License-Identifier: GPL-3.0-or-later
// Median-cut palette reduction. Written out rather than left to QImage's own conversion,
// which falls back to a fixed colour cube with dithering: gradients then turn grainy.
#include "palette.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <vector>

namespace marnelok {
namespace {

struct Entry {
  QRgb color;
  std::uint64_t count;
};

int channel(QRgb c, int which) {
  switch (which) {
    case 0:
      return qRed(c);
    case 1:
      return qGreen(c);
    default:
      return qBlue(c);
  }
}

struct Box {
  std::vector<Entry> entries;

  std::uint64_t pixels() const {
    std::uint64_t n = 0;
    for (const Entry& e : entries) n += e.count;
    return n;
  }
  // The widest channel and its extent.
  std::pair<int, int> widest() const {
    int best = 0;
    int extent = -1;
    for (int ch = 0; ch < 3; ++ch) {
      int lo = 255;
      int hi = 0;
      for (const Entry& e : entries) {
        lo = std::min(lo, channel(e.color, ch));
        hi = std::max(hi, channel(e.color, ch));
      }
      if (hi - lo > extent) {
        extent = hi - lo;
        best = ch;
      }
    }
    return {best, extent};
  }
  QRgb average() const {
    std::array<std::uint64_t, 3> sum{};
    const std::uint64_t n = pixels();
    for (const Entry& e : entries) {
      for (int ch = 0; ch < 3; ++ch) sum[ch] += std::uint64_t(channel(e.color, ch)) * e.count;
    }
    return qRgb(int((sum[0] + n / 2) / n), int((sum[1] + n / 2) / n), int((sum[2] + n / 2) / n));
  }
};

std::vector<QRgb> medianCut(std::vector<Entry> histogram, std::size_t wanted) {
  std::vector<Box> boxes{Box{std::move(histogram)}};
  while (boxes.size() < wanted) {
    // Split the box whose colors spread widest, weighted by how many pixels it holds, so
    // that large smooth areas get the finer steps.
    std::size_t pick = boxes.size();
    double bestScore = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].entries.size() < 2) continue;
      const double score = double(boxes[i].widest().second + 1) * double(boxes[i].pixels());
      if (score > bestScore) {
        bestScore = score;
        pick = i;
      }
    }
    if (pick == boxes.size()) break;
    Box& box = boxes[pick];
    const int ch = box.widest().first;
    std::stable_sort(box.entries.begin(), box.entries.end(), [ch](const Entry& a, const Entry& b) {
      return channel(a.color, ch) < channel(b.color, ch);
    });
    const std::uint64_t half = box.pixels() / 2;
    std::uint64_t seen = 0;
    std::size_t cut = 1;
    for (; cut < box.entries.size() - 1; ++cut) {
      seen += box.entries[cut - 1].count;
      if (seen >= half) break;
    }
    Box upper{{box.entries.begin() + std::ptrdiff_t(cut), box.entries.end()}};
    box.entries.resize(cut);
    boxes.push_back(std::move(upper));
  }
  std::vector<QRgb> palette;
  for (const Box& box : boxes) palette.push_back(box.average());
  return palette;
}

int nearest(const QList<QRgb>& table, QRgb c) {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < table.size(); ++i) {
    const int dr = qRed(table[i]) - qRed(c);
    const int dg = qGreen(table[i]) - qGreen(c);
    const int db = qBlue(table[i]) - qBlue(c);
    const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

}  // namespace

QImage toIndexed256(const QImage& picture) {
  constexpr int kColors = 256;
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  std::map<QRgb, std::uint64_t> counts;
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x) ++counts[source.pixel(x, y) | 0xff000000];
  }
  std::vector<Entry> histogram;
  for (const auto& [color, count] : counts) histogram.push_back({color, count});

  std::vector<QRgb> palette;
  if (histogram.size() <= kColors) {
    for (const Entry& e : histogram) palette.push_back(e.color);
  } else {
    palette = medianCut(std::move(histogram), kColors);
  }
  QList<QRgb> table(palette.begin(), palette.end());
  while (table.size() < kColors) table.push_back(qRgb(0, 0, 0));

  QImage indexed(source.size(), QImage::Format_Indexed8);
  indexed.setColorTable(table);
  std::map<QRgb, int> memo;
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x) {
      const QRgb c = source.pixel(x, y) | 0xff000000;
      auto it = memo.find(c);
      if (it == memo.end()) it = memo.emplace(c, nearest(table, c)).first;
      indexed.setPixel(x, y, uint(it->second));
    }
  }
  return indexed;
}

}  // namespace marnelok
