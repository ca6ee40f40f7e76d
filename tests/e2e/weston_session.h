// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real program on native Wayland: a private headless Weston whose seat the test
// module (weston_input.c) feeds, the program started on it with its protocol log, the screen
// and the windows read back from the compositor.
#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace marnelok::e2e {

struct CompositorWindow {
  QRect place;  // on the output, without client-side shadows
  QString title;
};

class WestonSession {
 public:
  // Starts Weston with the input module `inputModule`, and with an X server for X11 clients
  // (XWayland) when `xwayland`; Started() tells whether it runs and Problem() why not.
  explicit WestonSession(const QString& inputModule, bool xwayland = false);
  ~WestonSession();
  bool Started() const { return problem_.isEmpty(); }
  QString Problem() const { return problem_; }

  // Starts `program` on the compositor with a private configuration folder and the Wayland
  // protocol log on, or as an X11 client of XWayland when `x11`; returns whether it started.
  bool StartProgram(const QString& program, bool x11 = false);
  QProcess& Program() { return program_; }
  QString ProtocolLog() const;
  QString ConfigHome() const { return dir_.filePath(QStringLiteral("config")); }

  QImage Screen();
  std::vector<CompositorWindow> Windows();  // topmost first
  void ClickAt(QPoint screen);
  // Presses the Linux input codes in order and releases them in reverse: a chord.
  void Keys(const std::vector<int>& codes);
  static void Wait(int ms);

 private:
  void Command(const QString& line);
  // Asks for a file with `command` and waits until the module has written it.
  QString Fetch(const QString& command);

  QTemporaryDir dir_;
  QString problem_;
  QString xDisplay_;  // XWayland's, as ":N"
  QProcess weston_;
  QProcess program_;
  int fifo_ = -1;
  int fetches_ = 0;
};

}  // namespace marnelok::e2e
