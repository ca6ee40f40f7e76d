// SPDX-License-Identifier: GPL-3.0-or-later
// The display options: the card size asked for and the one in use, the colour scheme, the card
// back, the window's size for each card size and the screen-size check.
#pragma once

#include <QSize>

#include "card_images.h"
#include "geometry.h"
#include "table_look.h"

namespace marnelok {

// The one owner of the display options. The window changes them, and the record keeper sets
// the card size asked for when it loads the record; the painter, the keys, the screen reader,
// the review's picture and the record keeper's saves read them by reference, so that none
// holds a copy to reconcile.
class DisplayOptions {
 public:
  // The images outlive the options.
  explicit DisplayOptions(const CardImages& images) : images_(images) {}

  const TableGeometry& Geometry() const { return geometry_; }  // the card size in use
  const TableLook& Look() const { return look_; }
  bool LargeInUse() const { return geometry_ == kLargeCards; }

  // The card size that the record asks for: as loaded, then as the player last chose it. A
  // request that the screen refuses at start-up is kept for the next start; one that the
  // player makes is given up with the size in use.
  bool LargeAsked() const { return largeAsked_; }
  void AskLarge(bool large) { largeAsked_ = large; }

  // Whether large cards fit a screen whose windows get at most this client area.
  static bool LargeCardsFit(QSize fullScreenClient) {
    return fullScreenClient.width() >= 750 && fullScreenClient.height() >= 550;
  }
  // Puts a card size in use with its back, and gives the window's outer size for it.
  QSize UseCards(bool large);

  void SetAltColors(bool alternate) { look_.altColors = alternate; }
  void SetScreenWidth(int pixels) { look_.screenWidth = pixels; }

 private:
  const CardImages& images_;
  TableGeometry geometry_ = kRegularCards;
  TableLook look_;
  bool largeAsked_ = false;
};

}  // namespace marnelok
