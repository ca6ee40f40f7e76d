// SPDX-License-Identifier: GPL-3.0-or-later
// The chart windows' keys and names.
#include "window_keys.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace marnelok {
namespace {

constexpr char kChartWindow[] = "marnelokChartWindow";

// A chart window is a window to a screen reader, as a dialog is.
QAccessibleInterface* ChartWindowFactory(const QString&, QObject* object) {
  if (object == nullptr || !object->isWidgetType() || !object->property(kChartWindow).toBool())
    return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

void UseKeyboard(QWidget& window, QAbstractItemView& list) {
  static const bool installed = [] {
    QAccessible::installFactory(ChartWindowFactory);
    return true;
  }();
  Q_UNUSED(installed);
  window.setProperty(kChartWindow, true);
  // Enter presses the button that has the keyboard, as in a dialog.
  for (QPushButton* button : window.findChildren<QPushButton*>()) button->setAutoDefault(true);
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
