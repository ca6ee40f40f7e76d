// SPDX-License-Identifier: GPL-3.0-or-later
// The chart windows' keys and names.
#include "window_keys.h"

#include <QAbstractItemView>
#include <QKeySequence>
#include <QShortcut>

namespace marnelok {

void UseKeyboard(QWidget& window, QAbstractItemView& list) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  QObject::connect(escape, &QShortcut::activated, &window, &QWidget::close);
  list.setTabKeyNavigation(false);
  list.setFocus();
}

void NameChart(QWidget& view, const QString& name, const QString& summary) {
  view.setFocusPolicy(Qt::NoFocus);
  view.setAccessibleName(name);
  view.setAccessibleDescription(summary);
}

}  // namespace marnelok
