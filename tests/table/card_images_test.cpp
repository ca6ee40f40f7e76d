// Loading bitmaps by name without regard to case, and the ten card bitmaps when the
// program's own artwork is linked in.
#include <gtest/gtest.h>

#include "card_images.h"
#include "pixels.h"

namespace marnelok::test {
namespace {

TEST(CardImages, BitmapsAreFoundWithoutRegardToCase) {
  for (const char* name : {"MiXedProbe", "mixedprobe", "MIXEDPROBE", "ExtProbe", "EXTPROBE.PNG"}) {
    const QImage image = LoadBitmapByName(QString::fromLatin1(name));
    ASSERT_FALSE(image.isNull()) << name;
    EXPECT_EQ(image.size(), QSize(3, 2)) << name;
    EXPECT_EQ(image.format(), QImage::Format_RGB32) << name;
    EXPECT_TRUE(Is(image, 2, 1, QColor(10, 20, 30))) << name;
  }
  for (const char* name : {"", "NoSuchBitmap", "MixedProb", "ixedProbe", "../probe"}) {
    EXPECT_TRUE(LoadBitmapByName(QString::fromLatin1(name)).isNull()) << name;
  }
}

TEST(CardImages, TheTenCardBitmapsHaveTheirDocumentedSizes) {
  if (LoadBitmapByName(QStringLiteral("RCBmp")).isNull()) {
    GTEST_SKIP() << "the card artwork is not linked into this build";
  }
  const CardImages images = LoadCardImages();
  const QSize symbols[] = {{}, {21, 23}, {23, 23}, {19, 23}, {21, 23}};
  const QSize pips[] = {{}, {9, 9}, {9, 10}, {9, 9}, {9, 9}};
  for (int suit = 1; suit <= 4; ++suit) {
    EXPECT_EQ(images.symbol[suit].size(), symbols[suit]) << suit;
    EXPECT_EQ(images.pip[suit].size(), pips[suit]) << suit;
  }
  EXPECT_EQ(images.regularBack.size(), QSize(71, 81));
  EXPECT_EQ(images.largeBack.size(), QSize(82, 108));
  // Hearts are red on white, clubs black on white.
  EXPECT_GT(CountColour(images.symbol[1], images.symbol[1].rect(), QColor(255, 0, 0)), 0);
  EXPECT_GT(CountColour(images.symbol[2], images.symbol[2].rect(), QColor(0, 0, 0)), 0);
}

}  // namespace
}  // namespace marnelok::test
