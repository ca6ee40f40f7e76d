// SPDX-License-Identifier: GPL-3.0-or-later
// What the painters read from the main window besides the game, the card size, the Top 5
// list and the hint: the colour scheme, the card back and the screen width, and the colours
// of the two schemes.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <array>

namespace marnelok {

struct TopFiveEntry {
  QString name;
  int score = 0;
};
// Entries 1 to 5 of the stored list, at 0 to 4.
using TopFiveList = std::array<TopFiveEntry, 5>;

// The main window's display choices, as the painters read them. The game kind is the rules';
// the window's display options own these and the card size in use.
struct TableLook {
  bool altColors = false;  // "Use Alternate Colors"
  // The back of the card size in use; the deck stack draws nothing while this is null.
  const QImage* cardBack = nullptr;
  int screenWidth = 1024;  // primary screen, in pixels; the WIN band runs this far
};

// Dark green, or grey with alternate colors: the window, empty slots, blanks and labels.
inline QColor TableColor(bool altColors) {
  return altColors ? QColor(128, 128, 128) : QColor(0, 128, 0);
}

// The hint's frame: bright against the green and the grey table and apart from the white
// outline of an empty slot, whatever the scheme.
inline QColor HintFrameColor() { return {255, 255, 0}; }

// The review's frames: where the player put the card, and the advisor's cell (the best cell of
// a review, the demo's next placement). Both stand out on the green and the grey table, from
// the white outline of a slot and from each other, and neither is the hint's yellow.
inline QColor ChosenFrameColor() { return {255, 0, 255}; }
inline QColor AdvisedFrameColor() { return {0, 255, 255}; }

// The score panel, its text backgrounds and the WIN boxes: yellow, or white with alternate
// colors.
inline QColor SchemePanelColor(bool altColors) {
  return altColors ? QColor(255, 255, 255) : QColor(255, 255, 0);
}

}  // namespace marnelok
