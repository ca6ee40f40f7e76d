// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmaps found by name without regard to case, and the ten card bitmaps of the artwork.
#include <gtest/gtest.h>

#include "table_fixture.h"

namespace marnelok::test {
namespace {

TEST(CardImages, BitmapsAreFoundWithoutRegardToCase) {
  for (const char* name : {"MiXedProbe", "mixedprobe", "MIXEDPROBE", "ExtProbe", "EXTPROBE.PNG"}) {
    const QImage image = LoadBitmapByName(QString::fromLatin1(name));
    EXPECT_EQ(image.size(), QSize(3, 2)) << name;
    EXPECT_EQ(image.format(), QImage::Format_RGB32) << name;
    EXPECT_TRUE(Is(image, 2, 1, QColor(10, 20, 30))) << name;
  }
  for (const char* name : {"", "NoSuchBitmap", "MixedProb", "../probe"}) {
    EXPECT_TRUE(LoadBitmapByName(QString::fromLatin1(name)).isNull()) << name;
  }
}

TEST(CardImages, TheTenCardBitmapsHaveTheSizesOfTheTablesLayout) {
  ASSERT_FALSE(LoadBitmapByName(QStringLiteral("RCBmp")).isNull()) << "no artwork linked";
  const CardImages loaded = LoadCardImages();
  const CardImages expected = StandInImages();  // same sizes
  for (int suit = 1; suit <= 4; ++suit) {
    EXPECT_EQ(loaded.symbol[suit].size(), expected.symbol[suit].size()) << suit;
    EXPECT_EQ(loaded.pip[suit].size(), expected.pip[suit].size()) << suit;
  }
  EXPECT_EQ(loaded.regularBack.size(), QSize(71, 81));
  EXPECT_EQ(loaded.largeBack.size(), QSize(82, 108));
  EXPECT_GT(Count(loaded.symbol[kHearts], loaded.symbol[kHearts].rect(), Exactly(kRed)), 0);
  EXPECT_GT(Count(loaded.symbol[kClubs], loaded.symbol[kClubs].rect(), Exactly(kBlack)), 0);
  // Each has its twin at twice the size, standing in the same logical size.
  for (const QImage* picture :
       {&loaded.symbol[kClubs], &loaded.pip[kSpades], &loaded.largeBack, &loaded.regularBack}) {
    const QImage& twin = loaded.Doubled(*picture);
    EXPECT_EQ(twin.size(), picture->size() * 2);
    EXPECT_EQ(twin.deviceIndependentSize(), QSizeF(picture->size()));
  }
  EXPECT_TRUE(loaded.Doubled(expected.regularBack).isNull());  // not one of its pictures
  EXPECT_TRUE(LoadDoubledBitmap(QStringLiteral("CBmp"), loaded.pip[kClubs]).isNull());
}

using SharpCardTest = TableTest;

TEST_F(SharpCardTest, AtRatioTwoTheCardShowsItsTwinsWhereTheLayoutPutsThePictures) {
  images = LoadCardImages();
  // A table at a ratio of 1 never reads the twins; the first one drawn larger reads them all.
  canvas.Resize(QSize(400, 300), 1.0);
  painter.DrawCell(CodeOf(1, kHearts), 2, 2);
  painter.DrawDeckStack();
  EXPECT_TRUE(images.twinsPending);
  EXPECT_TRUE(images.doubled.symbol[kHearts].isNull());
  canvas.Resize(QSize(400, 300), 2.0);
  painter.DrawCell(CodeOf(1, kHearts), 2, 2);  // the ace of hearts at (89, 88)
  const auto device = [this](int x, int y, const QImage& twin) {
    return Image().copy(QRect(QPoint(2 * x, 2 * y), twin.size()));
  };
  const auto plain = [](QImage image) {
    image.setDevicePixelRatio(1.0);
    return image.convertToFormat(QImage::Format_RGB32);
  };
  ASSERT_FALSE(images.twinsPending);
  const QImage& symbol = images.doubled.symbol[kHearts];
  const QImage& pip = images.doubled.pip[kHearts];
  EXPECT_EQ(plain(device(89 + 2, 88 + 82 - 2 - 23, symbol)), plain(symbol));
  EXPECT_EQ(plain(device(89 + 71 - 23, 88 + 2, symbol)), plain(symbol));
  EXPECT_EQ(plain(device(89 + 31, 88 + 36, pip)), plain(pip));
  // The suit's edge has the detail of its size: shades between red and white, and 2x2
  // blocks that a doubled 1x picture could not have.
  const QImage shown = device(89 + 2, 88 + 57, symbol);
  int shades = 0, mixedBlocks = 0;
  for (int y = 0; y < shown.height(); y += 2) {
    for (int x = 0; x < shown.width(); x += 2) {
      const QRgb p = shown.pixel(x, y);
      shades += !Exactly(kRed)(p) && !Exactly(kWhite)(p);
      mixedBlocks += p != shown.pixel(x + 1, y) || p != shown.pixel(x, y + 1) ||
                     p != shown.pixel(x + 1, y + 1);
    }
  }
  EXPECT_GT(shades, 10);
  EXPECT_GT(mixedBlocks, 20);
}

}  // namespace
}  // namespace marnelok::test
