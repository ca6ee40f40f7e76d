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

// The program under test, as the command line names it.
extern QString g_program;

class XSession {
 public:
  // Starts `program` with `arguments` and a private folder for its configuration and its
  // data (the history of games), in English (LANG=C.UTF-8), the variables of `environment`
  // added to or replacing the test's own, in `workingDir` when one is given.
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
  // The window's place and size on the screen.
  QRect WindowGeometry(const QString& id);
  // The table's top-left corner on the screen, below the menu bar of the window `id`; (-1, -1)
  // when no table colour is found there.
  QPoint TableOrigin(const QString& id);
  bool Running() const { return process_.state() == QProcess::Running; }
  // Waits for the program to end by itself; its exit status, or -1 when it did not end.
  int WaitForExit(int timeoutMs);
  static void Wait(int ms);  // with the test's own events running

 private:
  QProcess process_;
};

}  // namespace marnelok::e2e
