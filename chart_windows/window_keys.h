// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard of the chart windows: Escape closes, Tab leaves a list, focus starts on the list,
// and the charts are named and summed up for a screen reader.
#pragma once

#include <QString>

class QAbstractItemView;
class QWidget;

namespace marnelok {

// Escape closes `window` and Enter presses its focused button; Tab and Shift+Tab go from `list`
// to the next control rather than cycling through its cells; the list has the focus when the
// window first shows; a screen reader reads the window as one.
void UseKeyboard(QWidget& window, QAbstractItemView& list);

// A chart is read by its name and a one-line summary; it takes no focus of its own.
void NameChart(QWidget& view, const QString& name, const QString& summary);

}  // namespace marnelok
