// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real program on an X display: starts it, finds its window, clicks with
// xdotool and reads the screen.
#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace marnelok::e2e {

class XSession {
 public:
  // Starts `program` with `arguments` and a private folder for its configuration and its
  // data (the history of games), the variables of `environment` added to or replacing the
  // test's own, in `workingDir` when one is given.
  XSession(const QString& program, const QString& configHome,
           const QProcessEnvironment& environment = {}, const QString& workingDir = {},
           const QStringList& arguments = {});
  ~XSession();

  // Waits until a window whose title contains `title` is mapped; returns its id or "".
  QString WaitForWindow(const QString& title, int timeoutMs);
  // Runs xdotool with `args`; returns its standard output.
  QString Xdotool(const QStringList& args);
  void ClickAt(QPoint screen);
  void Key(const QString& key);
  QImage Screen();
  bool Running() const { return process_.state() == QProcess::Running; }
  // Waits for the program to end by itself; its exit status, or -1 when it did not end.
  int WaitForExit(int timeoutMs);
  void Wait(int ms);

 private:
  QProcess process_;
};

}  // namespace marnelok::e2e
