// SPDX-License-Identifier: GPL-3.0-or-later
// The accessibility bus of a session, switched on as a screen reader switches it on, and the
// program read over it as a screen reader reads it (read_tree.py).
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace marnelok::e2e {

class AccessibilityBus {
 public:
  AccessibilityBus();  // starts at-spi2-core's bus launcher
  ~AccessibilityBus();

  // What the bus and the reader need that this session lacks (a session bus, the launcher,
  // python3-pyatspi), in words; empty when nothing is missing.
  static QString Missing();
  // Waits for the bus, then asks for the programs' accessibility. False when that failed.
  bool Enable();
  // The program's table, its lines and its menu bar, one item a line as read_tree.py prints
  // them; `error` gets the reader's complaint when it failed.
  static QStringList ReadTree(QString* error);

 private:
  QProcess launcher_;
};

}  // namespace marnelok::e2e
