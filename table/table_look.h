// SPDX-License-Identifier: GPL-3.0-or-later
// What the painters read from the main window besides the game: the options, the card
// back, the screen width and the stored Top 5 list, and the colors of the two schemes.
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

// The player's choices on the Options menu. The main window owns them: the check marks
// only show them, Quit stores them, and the painters read the two display choices.
struct TableOptions {
  bool regularGame = true;  // "Play Regular Game"; "Throw down a few cards first" otherwise
  bool largeCards = false;  // "Use Large Cards": large cards are in use
  bool altColors = false;   // "Use Alternate Colors"
};

struct TableLook {
  const QImage* cardBack = nullptr;  // the deck stack draws nothing while this is null
  int screenWidth = 1024;            // primary screen, in pixels; the WIN band runs this far
};

// Dark green, or grey with alternate colors: the window, empty slots, blanks and labels.
inline QColor TableColor(bool altColors) {
  return altColors ? QColor(128, 128, 128) : QColor(0, 128, 0);
}

// The hint's frame: bright against the green and the grey table and apart from the white
// outline of an empty slot, whatever the scheme.
inline QColor HintFrameColor() { return {255, 255, 0}; }

// The score panel, its text backgrounds and the WIN boxes: yellow, or white with alternate
// colors.
inline QColor SchemePanelColor(bool altColors) {
  return altColors ? QColor(255, 255, 255) : QColor(255, 255, 0);
}

}  // namespace marnelok
