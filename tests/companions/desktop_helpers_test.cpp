// SPDX-License-Identifier: GPL-3.0-or-later
// Day numbers, shell targets, button glyphs, pictures for the screen's pixel ratio, the
// standard dialogs' limits and the scale factors taken from the environment.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "day_number.h"
#include "desktop_dialogs.h"
#include "glyph_icon.h"
#include "qt_printers.h"
#include "scale_factor.h"
#include "sharp_picture.h"
#include "shell_target.h"
#include "window_look.h"

namespace marnelok {
namespace {

TEST(DayNumber, CountsDaysFromTheLastDaysOf1899) {
  EXPECT_EQ(DayNumber(QDate(1899, 12, 30)), 0);
  EXPECT_EQ(DayNumber(QDate(1899, 12, 29)), -1);
  EXPECT_EQ(DayNumber(QDate(1900, 3, 1)), 61);
  EXPECT_EQ(DayNumber(QDate(2000, 1, 1)), 36526);
  EXPECT_EQ(DayNumber(QDate(2024, 3, 1)) - DayNumber(QDate(2024, 2, 28)), 2);
  EXPECT_EQ(DayNumber(QDate()), 0);
}

// A factor Qt would crash on, divide by, or turn into gigabytes of image is removed before Qt
// reads it, and one line says so; a sane one, or a list of sane ones, stays.
TEST(ScaleFactor, OnlyNumbersFromAQuarterToEightReachQt) {
  const auto check = [](const char* name, const QByteArray& value, bool kept) {
    SCOPED_TRACE(name + ("=" + value).toStdString());
    qputenv(name, value);
    const QString line = IgnoreAbsurdScaleFactors();
    EXPECT_EQ(qgetenv(name), kept ? value : QByteArray());
    EXPECT_EQ(line.isEmpty(), kept);
    EXPECT_TRUE(kept || (line.contains(value) && !line.contains('\n'))) << line.toStdString();
    qunsetenv(name);
  };
  for (const char* value : {"1.5", "0.25", "8"}) check("QT_SCALE_FACTOR", value, true);
  for (const char* value : {"100", "0", "-1", "nan", "two"}) check("QT_SCALE_FACTOR", value, false);
  check("QT_SCREEN_SCALE_FACTORS", "2;1.25", true);
  check("QT_SCREEN_SCALE_FACTORS", "DP-1=2;x=0", false);
}

TEST(ShellTarget, AddressesPassAndFilesBecomeAbsoluteFileUrls) {
  const struct {
    const char* document;
    QString directory;
    QUrl expected;
  } cases[] = {
      {"https://www.marnelok.example/sw/donate.html", "",
       QUrl("https://www.marnelok.example/sw/donate.html")},
      {"Marnelok.html", "", QUrl::fromLocalFile(QDir::currentPath() + "/Marnelok.html")},
#ifdef Q_OS_WIN
      {"Marnelok.html", "C:\\Program Files\\Marnelok",
       QUrl::fromLocalFile("C:/Program Files/Marnelok/Marnelok.html")},
      {"D:\\Games\\Marnelok.html", "C:/elsewhere", QUrl::fromLocalFile("D:/Games/Marnelok.html")},
#else
      {"Marnelok.html", "/opt/marnelok", QUrl::fromLocalFile("/opt/marnelok/Marnelok.html")},
      {"/usr/share/m/Marnelok.html", "/elsewhere",
       QUrl::fromLocalFile("/usr/share/m/Marnelok.html")},
#endif
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShellTarget(c.document, c.directory), c.expected) << c.document;
  EXPECT_FALSE(ShellTarget("", "").isValid());
}

TEST(GlyphIcon, SplitsTheStripAndClearsEachHalfsCornerColor) {
  const QRgb normal = qRgb(200, 0, 0), normalKey = qRgb(255, 0, 255);
  const QRgb disabled = qRgb(128, 128, 128), disabledKey = qRgb(0, 128, 128);
  QImage strip(48, 24, QImage::Format_RGB32);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 48; ++x) strip.setPixel(x, y, x < 24 ? normal : disabled);
  strip.setPixel(0, 23, normalKey);  // each half's key colour is its bottom-left pixel...
  strip.setPixel(5, 5, normalKey);   // ...cleared wherever it appears in that half
  strip.setPixel(24, 23, disabledKey);
  strip.setPixel(31, 3, normalKey);  // but not in the other half

  const QIcon icon = GlyphIcon(strip);
  const QImage left = icon.pixmap(24, QIcon::Normal).toImage();
  const QImage right = icon.pixmap(24, QIcon::Disabled).toImage();
  EXPECT_EQ(qAlpha(left.pixel(0, 23)), 0);
  EXPECT_EQ(qAlpha(left.pixel(5, 5)), 0);
  EXPECT_EQ(left.pixel(10, 10), normal);
  EXPECT_EQ(qAlpha(right.pixel(0, 23)), 0);
  EXPECT_EQ(right.pixel(7, 3), normalKey);
  EXPECT_EQ(right.pixel(10, 10), disabled);
  EXPECT_TRUE(GlyphIcon(QImage()).isNull());  // a missing picture gives a button without glyph

  // With the strip at twice the size, a screen of ratio 2 gets its pixels; ratio 1 keeps the
  // small glyph. A twin of the wrong size is left out.
  QImage doubled(96, 48, QImage::Format_RGB32);
  doubled.fill(qRgb(0, 0, 200));
  doubled.setPixel(0, 47, normalKey);
  doubled.setDevicePixelRatio(2.0);
  const QIcon sharp = GlyphIcon(strip, doubled);
  const QImage large = sharp.pixmap(QSize(24, 24), 2.0, QIcon::Normal).toImage();
  EXPECT_EQ(large.size(), QSize(48, 48));
  EXPECT_EQ(large.pixel(20, 20), qRgb(0, 0, 200));
  EXPECT_EQ(qAlpha(large.pixel(0, 47)), 0);
  EXPECT_EQ(sharp.pixmap(QSize(24, 24), 1.0, QIcon::Normal).toImage(), left);
  const QImage misfit = doubled.copy(0, 0, 90, 48);
  EXPECT_EQ(GlyphIcon(strip, misfit).pixmap(QSize(24, 24), 2.0).toImage().pixel(20, 20), normal);
}

TEST(SharpPicture, AboveRatioOneTheTwinStandsInTheSameLogicalSize) {
  const QImage plain(QStringLiteral(":/bitmaps/SPLASH"));
  ASSERT_FALSE(plain.isNull());
  EXPECT_EQ(SharpPicture(QStringLiteral("SPLASH"), 1.0), plain);
  for (const qreal ratio : {1.25, 2.0, 3.0}) {
    const QImage sharp = SharpPicture(QStringLiteral("SPLASH"), ratio);
    EXPECT_EQ(sharp.size(), plain.size() * 2) << ratio;
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(plain.size())) << ratio;
  }
  EXPECT_EQ(DoubledPicture(QStringLiteral("PROCEED")).size(), QSize(96, 48));
  EXPECT_TRUE(SharpPicture(QStringLiteral("NOSUCHPICTURE"), 2.0).isNull());
  EXPECT_TRUE(DoubledPicture(QStringLiteral("NOSUCHPICTURE")).isNull());
}

TEST(DesktopDialogs, ConfirmationButtonsAndTheTextPromptsLimit) {
  const auto confirm = MakeConfirmation(nullptr, "Confirm", "Sure?");
  EXPECT_EQ(confirm->icon(), QMessageBox::Question);
  EXPECT_EQ(static_cast<QAbstractButton*>(confirm->defaultButton()),
            confirm->button(QMessageBox::Ok));
  EXPECT_EQ(confirm->escapeButton(), confirm->button(QMessageBox::Cancel));
  EXPECT_EQ(MakeMessageBox(nullptr, "Marnelok", "Text")->icon(), QMessageBox::NoIcon);

  const auto prompt =
      MakeTextPrompt(nullptr, "New High Score", "Please enter your name:", "Al", "Score 152");
  auto* edit = prompt->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->selectedText(), "Al");
  EXPECT_EQ(edit->maxLength(), 255);
  // A screen reader hears the score with the dialog and with the edit that has the focus.
  for (QObject* read : {static_cast<QObject*>(prompt.get()), static_cast<QObject*>(edit)})
    EXPECT_EQ(QAccessible::queryAccessibleInterface(read)->text(QAccessible::Description),
              "Score 152");

  // Wide enough for its title in the title bar's bold font, whatever the language.
  QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
  titleFont.setBold(true);
  for (const QString& title :
       {QStringLiteral("New High Score"), QStringLiteral("Nouveau meilleur score de la liste")}) {
    const auto named = MakeTextPrompt(nullptr, title, "Please enter your name:", "", "");
    named->adjustSize();
    EXPECT_GE(named->width(), QFontMetrics(titleFont).horizontalAdvance(title) + 120)
        << title.toStdString();
  }
}

// A label keeps its letters where they fit, takes the widest narrowed letters that fit, and
// grows only when even the narrowest do not.
TEST(WindowLook, FitToTextNarrowsAsLittleAsItCanThenWidens) {
  QWidget parent;
  parent.resize(900, 100);
  const QString text = QStringLiteral("www.example.org/games/cards/marnelok/index.html");
  const auto room = [&](int stretch) {
    QFont font = PixelFont(11);
    if (stretch != 0) font.setStretch(stretch);
    return QFontMetrics(font).horizontalAdvance(text) + 2;
  };
  ASSERT_LT(room(kNarrowestStretch), room(90));
  ASSERT_LT(room(90), room(92));
  const auto fit = [&](int width) {
    auto* label = new QLabel(text, &parent);
    label->setFont(PixelFont(11));
    label->setGeometry(300, 10, width, 20);
    FitToText(*label);
    return label;
  };
  const QLabel* roomy = fit(room(0));
  EXPECT_EQ(roomy->font().stretch(), PixelFont(11).stretch());
  EXPECT_EQ(roomy->width(), room(0));
  const QLabel* narrowed = fit(room(90));
  EXPECT_EQ(narrowed->font().stretch(), 90);
  EXPECT_EQ(narrowed->width(), room(90));
  const QLabel* widened = fit(room(kNarrowestStretch) - 40);
  EXPECT_EQ(widened->font().stretch(), kNarrowestStretch);
  EXPECT_EQ(widened->width(), room(kNarrowestStretch));
}

}  // namespace
}  // namespace marnelok
