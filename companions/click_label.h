// SPDX-License-Identifier: GPL-3.0-or-later
// A label that reports a left click (press and release on it) and keeps the click from
// reaching whatever lies beneath it: pictures and link labels of the companion windows.
#pragma once

#include <QLabel>

namespace marnelok {

class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace marnelok
