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

TEST(CardImages, TheTenCardBitmapsHaveTheirDocumentedSizes) {
  if (LoadBitmapByName(QStringLiteral("RCBmp")).isNull()) GTEST_SKIP() << "no artwork linked";
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
}

}  // namespace
}  // namespace marnelok::test
