// SPDX-License-Identifier: GPL-3.0-or-later
// The windows that paint their own backgrounds keep their text readable under the default, a
// dark and a high-contrast palette: every text, measured in the window's real pixels, stands
// out from what lies behind it by a contrast of at least 4.5 to 1.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QRadioButton>
#include <QStyle>

#include "donate_form.h"
#include "fake_desktop.h"
#include "splash_form.h"
#include "window_look.h"

namespace marnelok {
namespace {

// The contrast of the text in `area`: the commonest colour there is what lies behind it, and
// the pixel that differs most from it is the text's own colour.
double TextContrast(const QImage& shot, QRect area) {
  QMap<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++counts[shot.pixel(x, y)];
  QRgb behind = 0;
  int most = 0;
  for (auto it = counts.begin(); it != counts.end(); ++it)
    if (it.value() > most) most = it.value(), behind = it.key();
  double best = 1;
  for (auto it = counts.begin(); it != counts.end(); ++it)
    best = std::max(best, Contrast(QColor(behind), QColor(it.key())));
  return best;
}

// Every text of `window` under the palette in use, as "name: contrast" where it is too low.
QStringList Unreadable(QWidget& window) {
  window.show();
  const QImage shot = window.grab().toImage();
  QStringList low;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    QRect area;
    if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && !label->text().isEmpty())
      area = label->contentsRect();
    else if (auto* radio = qobject_cast<QRadioButton*>(w))
      area = radio->rect().adjusted(
          radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + 4, 0, 0, 0);
    if (area.isEmpty() || !w->isVisible()) continue;
    area = QRect(w->mapTo(&window, area.topLeft()), area.size()).intersected(shot.rect());
    const double contrast = TextContrast(shot, area);
    if (contrast < 4.5)
      low << QStringLiteral("%1: %2").arg(w->objectName()).arg(contrast, 0, 'f', 2);
  }
  return low;
}

TEST(Contrast, EveryTextReadsUnderTheDefaultADarkAndAHighContrastPalette) {
  const QPalette original = QApplication::palette();
  // Qt derives the other colours, pale text among them, from the button and window colours.
  const QPalette dark(QColor(60, 60, 60), QColor(45, 45, 45));
  const QPalette highContrast(QColor(Qt::black), QColor(Qt::black));
  for (const auto& [name, palette] :
       {std::pair{"default", original}, {"dark", dark}, {"high contrast", highContrast}}) {
    QApplication::setPalette(palette);
    testing::FakeDesktop desktop;
    TDonateForm donate(nullptr, desktop);
    EXPECT_EQ(Unreadable(donate), QStringList()) << name << " palette, donation dialog";
    TsplashForm about(nullptr, TsplashForm::Mode::kAbout, desktop);
    EXPECT_EQ(Unreadable(about), QStringList()) << name << " palette, About window";
  }
  QApplication::setPalette(original);
}

}  // namespace
}  // namespace marnelok
