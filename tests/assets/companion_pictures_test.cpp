// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the splash window and the donation dialog, the "Proceed" glyph and the
// window icon.
#include <gtest/gtest.h>

#include <QRect>

#include "image_checks.h"

namespace marnelok::test {
namespace {

TEST(CompanionPictures, SplashIsA256ColorPictureQuietBehindItsLabels) {
  const QImage splash = loadBitmap(QStringLiteral("SPLASH"));
  ASSERT_FALSE(splash.isNull());
  EXPECT_EQ(splash.size(), QSize(280, 140));
  EXPECT_EQ(splash.format(), QImage::Format_Indexed8);
  EXPECT_EQ(splash.colorCount(), 256);
  EXPECT_EQ(bmpBitsPerPixel(QStringLiteral("SPLASH")), 8);
  EXPECT_GT(colorsOf(splash).size(), 64) << "a picture, not a flat fill";

  // Black and blue label text stands on these parts: the middle of the product and edition
  // labels, where their centred text lies, and the whole link label.
  const QRect readable[] = {QRect(QPoint(66, 32), QPoint(214, 77)),
                            QRect(QPoint(66, 112), QPoint(214, 124))};
  for (const QRect& area : readable) {
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        darkest = std::min(darkest, luminance(splash.pixel(x, y)));
      }
    }
    EXPECT_GE(darkest, 200) << "area at y " << area.top();
  }
}

TEST(CompanionPictures, DonationHeaderIsTrueColorAndBlendsIntoTheDialog) {
  const QImage header = loadBitmap(QStringLiteral("DONATE"));
  ASSERT_FALSE(header.isNull());
  EXPECT_EQ(header.size(), QSize(350, 135));
  EXPECT_EQ(bmpBitsPerPixel(QStringLiteral("DONATE")), 24);
  const QRgb dialog = qRgb(192, 220, 192);
  EXPECT_EQ(header.pixel(0, 0), dialog);
  EXPECT_EQ(header.pixel(349, 0), dialog);
  EXPECT_EQ(header.pixel(0, 134), dialog);
  EXPECT_EQ(header.pixel(349, 134), dialog);
  EXPECT_GT(colorsOf(header).size(), 64);
}

TEST(CompanionPictures, ProceedGlyphHoldsANormalAndAGreyedImageOverATransparentColor) {
  const QImage glyph = loadBitmap(QStringLiteral("PROCEED"));
  ASSERT_FALSE(glyph.isNull());
  EXPECT_EQ(glyph.size(), QSize(48, 24));
  EXPECT_EQ(glyph.format(), QImage::Format_Indexed8);
  EXPECT_EQ(bmpBitsPerPixel(QStringLiteral("PROCEED")), 8);

  // Each half's bottom-left pixel names its transparent colour.
  const QRgb clear = glyph.pixel(0, 23);
  ASSERT_EQ(glyph.pixel(24, 23), clear);
  int normal = 0;
  int disabled = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) {
      const QRgb n = glyph.pixel(x, y);
      const QRgb d = glyph.pixel(24 + x, y);
      if (n != clear) {
        ++normal;
        EXPECT_TRUE(qGreen(n) > qRed(n) && qGreen(n) > qBlue(n)) << x << "," << y;
        // The greyed image has the same figure, in grey.
        EXPECT_EQ(d, qRgb(128, 128, 128)) << x << "," << y;
      }
      if (d != clear) {
        ++disabled;
        EXPECT_TRUE(qRed(d) == qGreen(d) && qGreen(d) == qBlue(d)) << x << "," << y;
      }
    }
  }
  EXPECT_GT(normal, 100);
  EXPECT_GT(disabled, normal) << "the greyed image adds a light edge";
}

TEST(CompanionPictures, TwinsAreTwiceTheSizeInTheSameFormatAndDrawnAtTheirOwnSize) {
  const struct {
    const char* alias;
    QSize size;
    int bits;
  } pictures[] = {{"SPLASH", {560, 280}, 8}, {"DONATE", {700, 270}, 24}, {"PROCEED", {96, 48}, 8}};
  for (const auto& picture : pictures) {
    SCOPED_TRACE(picture.alias);
    const QString alias = QString::fromLatin1(picture.alias) + QStringLiteral("@2X");
    const QImage twin = loadBitmap(alias);
    EXPECT_EQ(twin.size(), picture.size);
    EXPECT_EQ(bmpBitsPerPixel(alias), picture.bits);
    if (picture.bits == 8) {
      EXPECT_EQ(twin.colorCount(), 256);
    }
    EXPECT_FALSE(isPixelDoubled(twin));
  }
  // The donation header still blends into the dialog; the splash keeps its quiet panel
  // behind the product label.
  const QImage donate = loadBitmap(QStringLiteral("DONATE@2X"));
  EXPECT_EQ(donate.pixel(0, 0), qRgb(192, 220, 192));
  EXPECT_EQ(donate.pixel(699, 269), qRgb(192, 220, 192));
  const QImage splash = loadBitmap(QStringLiteral("SPLASH@2X"));
  EXPECT_GE(luminance(splash.pixel(280, 90)), 200);

  // The Proceed arrow: the same figure at either size, the outline twice as thick, each
  // half keyed by its bottom-left pixel.
  const QImage small = loadBitmap(QStringLiteral("PROCEED"));
  const QImage large = loadBitmap(QStringLiteral("PROCEED@2X"));
  const QRgb clear = large.pixel(0, 47);
  ASSERT_EQ(large.pixel(48, 47), clear);
  EXPECT_EQ(clear, small.pixel(0, 23));
  int smallArrow = 0, largeArrow = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) smallArrow += small.pixel(x, y) != clear;
  }
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 48; ++x) {
      largeArrow += large.pixel(x, y) != clear;
      // Wherever the small arrow's pixel is whole inside the figure, so is the large one's.
      if (y % 2 == 0 && x % 2 == 0 && small.pixel(x / 2, y / 2) != clear) {
        EXPECT_NE(large.pixel(x + 1, y + 1), clear) << x << "," << y;
      }
    }
  }
  EXPECT_NEAR(largeArrow, 4 * smallArrow, smallArrow / 5);
  // Across the shaft's middle: clear, two pixels of outline, then the fill.
  const QRgb row[] = {clear, qRgb(0, 96, 0), qRgb(0, 96, 0), qRgb(0, 176, 0)};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(large.pixel(3 + i, 24), row[i]) << i;
}

TEST(CompanionPictures, WindowIconIsASquareWithTransparentCorners) {
  const QImage icon(QStringLiteral(":/icons/marnelok.png"));
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.size(), QSize(256, 256));
  ASSERT_TRUE(icon.hasAlphaChannel());
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(icon.pixel(255, 255)), 0);
  EXPECT_EQ(qAlpha(icon.pixel(128, 128)), 255);
}

}  // namespace
}  // namespace marnelok::test
