// SPDX-License-Identifier: GPL-3.0-or-later
// The donation picture's two sentences, drawn over the picture in the player's language.
#pragma once

#include <QCoreApplication>
#include <QImage>

namespace marnelok {

class DonateWords {
  Q_DECLARE_TR_FUNCTIONS(DonateWords)

 public:
  // `picture` with its words on the felt, at the picture's own device pixel ratio; a null
  // picture stays null.
  static QImage Over(QImage picture);
};

}  // namespace marnelok
