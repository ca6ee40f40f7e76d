// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's outer size, frame included, and its place when first shown.
#pragma once

#include <QObject>
#include <QSize>
#include <QTimer>

class QWidget;

namespace marnelok {

// The sizes the table asks for are outer sizes. The frame is known only once the window
// manager has framed the window, so until then a size goes to the client area and is
// corrected when the frame appears.
class OuterSize : public QObject {
  Q_OBJECT

 public:
  explicit OuterSize(QWidget& window);

  void Set(QSize outer);
  // From the window's show event: the first show centres the window on its screen and looks
  // for the frame.
  void Shown();

 private:
  QSize FrameSize() const;  // 0 x 0 until the window manager has framed the window
  void FitToFrame();
  void CentreOnScreen();

  QWidget& window_;
  QSize wanted_;
  bool shownOnce_ = false;
  QTimer frameCheck_;  // after the first show, until the frame is known or the wait is over
  int frameChecksLeft_ = 0;
};

}  // namespace marnelok
