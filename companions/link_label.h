// SPDX-License-Identifier: GPL-3.0-or-later
// A web link drawn as a label: a click opens it, and so does Enter or Space once Tab has
// reached it. It shows its focus, and assistive technology reads it as a link it can press.
#pragma once

#include "click_label.h"

namespace marnelok {

class LinkLabel : public ClickLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(QWidget* parent = nullptr);

  // What a click does: reports it. Enter, Space and a screen reader's press come here.
  void Activate() { emit clicked(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace marnelok
