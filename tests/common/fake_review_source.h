// SPDX-License-Identifier: GPL-3.0-or-later
// A review source for window tests: keeps what the window asked for, so that the test answers
// with progress and outcomes of its own, and draws each placement as a plain picture whose
// colour names the placement.
#pragma once

#include <QColor>
#include <vector>

#include "review_view.h"

namespace marnelok::testing {

class FakeReviewSource : public ReviewSource {
 public:
  std::vector<std::int64_t> asked;  // the ids of the reviews asked for
  int cancels = 0;
  std::vector<std::size_t> pictures;  // the placements drawn
  std::function<void(int, int)> progress;
  std::function<void(const ReviewOutcome&)> done;

  static QColor PictureColor(std::size_t index) { return {int(index) * 10, 100, 50}; }

  void Review(std::int64_t id, QObject*, std::function<void(int, int)> p,
              std::function<void(const ReviewOutcome&)> d) override {
    asked.push_back(id);
    progress = std::move(p);
    done = std::move(d);
  }
  void Cancel() override { ++cancels; }
  QImage Picture(const history::GameRecord&, std::size_t index, qreal) override {
    pictures.push_back(index);
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(PictureColor(index));
    return image;
  }
};

}  // namespace marnelok::testing
