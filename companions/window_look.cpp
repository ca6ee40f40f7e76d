// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the companion windows.
#include "window_look.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace marnelok {

QFont PixelFont(int pixelHeight, bool bold, bool underline) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

double Luminance(const QColor& color) {
  const auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
         0.0722 * linear(color.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void SetBackground(QWidget& widget, const QColor& color) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, color);
  // Text on the fill in black or white, whichever reads better: a dark system palette's pale
  // text on a pale fill would hardly show.
  const QColor text = Contrast(color, Qt::black) >= Contrast(color, Qt::white) ? QColor(Qt::black)
                                                                               : QColor(Qt::white);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void SetTextColor(QWidget& widget, const QColor& color) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, color);
  widget.setPalette(palette);
}

void MakeLink(QLabel& label, int pixelHeight) {
  label.setFont(PixelFont(pixelHeight, false, true));
  SetTextColor(label, QColor(0, 0, 255));
  label.setCursor(Qt::PointingHandCursor);
}

void WidenToText(QLabel& label) {
  const int needed = QFontMetrics(label.font()).horizontalAdvance(label.text()) + 2;
  const QRect box = label.geometry();
  if (needed <= box.width()) return;
  const int centre = box.left() + box.width() / 2;
  int width = needed;
  int left = centre - width / 2;
  if (const QWidget* parent = label.parentWidget()) {
    width = std::min(width, parent->width());
    left = std::clamp(left, 0, parent->width() - width);
  }
  label.setGeometry(left, box.top(), width, box.height());
}

void FitToText(QLabel& label) {
  const int room = label.width();
  const auto fits = [&](const QFont& font) {
    return QFontMetrics(font).horizontalAdvance(label.text()) + 2 <= room;
  };
  // The layout was made for a narrower face than the system's sans-serif; letters narrowed
  // this far still read as well as a condensed face.
  QFont font = label.font();
  if (!fits(font)) {
    // Every width tried loads a font of its own, the dearest step of the splash at start-up.
    // Where even the narrowest letters do not fit, as for the home page at the start, they
    // are taken at once and the label grows.
    QFont narrowest = font;
    narrowest.setStretch(kNarrowestStretch);
    if (fits(narrowest)) {
      for (int stretch = 98; stretch > kNarrowestStretch; stretch -= 2) {
        font.setStretch(stretch);
        if (fits(font)) break;
      }
    }
    if (!fits(font)) font = narrowest;
  }
  label.setFont(font);
  WidenToText(label);
}

void CentreOver(QWidget& window, const QWidget* owner) {
  const QScreen* screen = owner != nullptr ? owner->screen() : window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();

  const QRect around = owner != nullptr && owner->isVisible() ? owner->frameGeometry() : available;
  QRect placed(QPoint(), window.frameGeometry().size());
  placed.moveCenter(around.center());
  if (available.isValid()) {
    placed.moveLeft(std::clamp(placed.left(), available.left(),
                               std::max(available.left(), available.right() - placed.width() + 1)));
    placed.moveTop(std::clamp(placed.top(), available.top(),
                              std::max(available.top(), available.bottom() - placed.height() + 1)));
  }
  window.move(placed.topLeft());
}

}  // namespace marnelok
