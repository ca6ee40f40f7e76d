// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the companion windows: pixel-sized fonts, solid backgrounds,
// link labels, and placing a window over its owner.
#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QWidget;

namespace marnelok {

// The system's sans-serif face at a character height in pixels (8 pt at 96 dpi = 11 px).
QFont PixelFont(int pixelHeight, bool bold = false, bool underline = false);

// The relative luminance of a colour (0 black to 1 white) and the contrast ratio of two, from
// 1 to 21, as accessibility guidelines measure them.
double Luminance(const QColor& color);
double Contrast(const QColor& a, const QColor& b);

// Fills the widget's background with `color` (children without a fill show it too), and sets
// the text on it to black or to white, whichever has the more contrast.
void SetBackground(QWidget& widget, const QColor& color);
void SetTextColor(QWidget& widget, const QColor& color);

// Blue, underlined, pointing-hand text: a web link drawn as a label.
void MakeLink(QLabel& label, int pixelHeight);

// Widens a label that cannot hold its text on one line, keeping its centre and staying inside
// its parent, so that a centred address is never clipped.
void WidenToText(QLabel& label);

// The narrowest letters FitToText uses, as a percentage of their natural width.
inline constexpr int kNarrowestStretch = 84;

// For a label with no room to grow: narrows its letters a little until the text fits on one
// line, and only when that is not enough widens it as WidenToText does.
void FitToText(QLabel& label);

// Centres `window` over its owner when the owner is visible, else over the owner's screen,
// and keeps it on that screen.
void CentreOver(QWidget& window, const QWidget* owner);

}  // namespace marnelok
