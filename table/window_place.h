// SPDX-License-Identifier: GPL-3.0-or-later
// Where the table's own windows (Statistics, review) open: where the player last left them, else
// beside the table, always wholly on the screen that shows the table.
#pragma once

#include <QHash>
#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace marnelok {

// `wanted` moved, and shrunk only where it is larger than `screen`, to lie wholly on it.
QRect FitOnScreen(QRect wanted, const QRect& screen);

// A frame of `size` on `screen` that clears `table`: to its right, its left, below or above,
// the first with room; otherwise the place on the screen that covers least of the table.
QRect PlaceBeside(const QRect& table, QSize size, const QRect& screen);

class WindowPlaces : public QObject {
 public:
  // Places are kept per user in the INI file (or on Windows the registry key) at
  // `settingsPath`, section [Windows]. Without `canMove` (Wayland) only sizes are restored.
  WindowPlaces(QString settingsPath, bool canMove);

  // Shows `window`, a window of its own that is hidden, where it was last left (by its object
  // name) or beside `table`, and notes where it is when it is hidden again.
  void Show(QWidget& window, QWidget& table);
  // Notes and stores where `window` is now, when it is shown.
  void Remember(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Load();
  void Store(QWidget& window);

  QString path_;
  bool canMove_;
  bool loaded_ = false;
  QHash<QString, QRect> places_;  // the windows' inner geometry, by object name
};

}  // namespace marnelok
