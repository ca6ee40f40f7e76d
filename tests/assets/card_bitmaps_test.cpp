// SPDX-License-Identifier: GPL-3.0-or-later
// The ten card bitmaps as the table loads them: exact sizes, 24-bit files, and faces that
// stay two-coloured and sharp on a white card; and their twins at twice the size.
#include <gtest/gtest.h>

#include "image_checks.h"

namespace marnelok::test {
namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kBlack = 0xff000000;

struct FaceBitmap {
  const char* alias;
  QSize size;
  QRgb ink;
  QPoint figure;  // a pixel well inside the suit figure
};

const FaceBitmap kFaces[] = {
    {"HBMP", {21, 23}, kRed, {10, 11}}, {"CBMP", {23, 23}, kBlack, {11, 11}},
    {"DBMP", {19, 23}, kRed, {9, 11}},  {"SBMP", {21, 23}, kBlack, {10, 11}},
    {"HPIP", {9, 9}, kRed, {4, 4}},     {"CPIP", {9, 10}, kBlack, {4, 5}},
    {"DPIP", {9, 9}, kRed, {4, 4}},     {"SPIP", {9, 9}, kBlack, {4, 4}},
};

TEST(CardBitmaps, SuitSymbolsAndPipsAreSolidTwoColorFiguresOnWhite) {
  for (const FaceBitmap& face : kFaces) {
    SCOPED_TRACE(face.alias);
    const QImage image = loadBitmap(QString::fromLatin1(face.alias));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), face.size);
    EXPECT_EQ(bmpBitsPerPixel(QString::fromLatin1(face.alias)), 24);
    EXPECT_FALSE(image.hasAlphaChannel());

    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
      EXPECT_EQ(image.pixel(corner), kWhite) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(image.pixel(face.figure), face.ink);
    EXPECT_EQ(colorsOf(image), (QSet<QRgb>{kWhite, face.ink}));
    EXPECT_TRUE(isMirrorSymmetric(image));

    // A solid figure, not an outline: it covers a good part of its box.
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) inked += image.pixel(x, y) == face.ink;
    }
    EXPECT_GT(inked * 100, 30 * image.width() * image.height());

    // The twin at twice the size: the same figure over the same box, its edges smoothed
    // between ink and white, with detail that doubled pixels would not have.
    const QString twinAlias = QString::fromLatin1(face.alias) + QStringLiteral("@2X");
    const QImage twin = loadBitmap(twinAlias);
    ASSERT_EQ(twin.size(), face.size * 2);
    EXPECT_EQ(bmpBitsPerPixel(twinAlias), 24);
    EXPECT_EQ(twin.pixel(face.figure * 2), face.ink);
    EXPECT_FALSE(isPixelDoubled(twin));
    QRect inkBox, twinBox;
    int shades = 0;
    for (int y = 0; y < twin.height(); ++y) {
      for (int x = 0; x < twin.width(); ++x) {
        const QRgb p = twin.pixel(x, y) | 0xff000000;
        if (p != kWhite) twinBox |= QRect(x, y, 1, 1);
        if (p == kWhite || p == face.ink) continue;
        ++shades;
        // A blend of ink and white: red keeps its red channel, black stays grey.
        const bool blend = face.ink == kRed ? qRed(p) == 255 && qGreen(p) == qBlue(p)
                                            : qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
        EXPECT_TRUE(blend) << x << "," << y;
      }
    }
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == face.ink) inkBox |= QRect(2 * x, 2 * y, 2, 2);
      }
    }
    EXPECT_GT(shades, twin.width());
    EXPECT_EQ(twinBox, inkBox);
  }
}

bool borderIsBlack(const QImage& image) {
  const int right = image.width() - 1;
  const int bottom = image.height() - 1;
  for (int x = 0; x <= right; ++x) {
    if (image.pixel(x, 0) != kBlack || image.pixel(x, bottom) != kBlack) return false;
  }
  for (int y = 0; y <= bottom; ++y) {
    if (image.pixel(0, y) != kBlack || image.pixel(right, y) != kBlack) return false;
  }
  return true;
}

int count(const QImage& image, QRgb color) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) | 0xff000000) == color;
  }
  return n;
}

// The twin of a card back: twice the size, its border two pixels wide, so the border of the
// deck stack's cards stays one table pixel at every size.
void ExpectBackTwin(const QString& alias, const QImage& back) {
  const QImage twin = loadBitmap(alias + QStringLiteral("@2X"));
  ASSERT_EQ(twin.size(), back.size() * 2);
  EXPECT_EQ(bmpBitsPerPixel(alias + QStringLiteral("@2X")), 24);
  EXPECT_TRUE(borderIsBlack(twin));
  EXPECT_TRUE(borderIsBlack(twin.copy(twin.rect().adjusted(1, 1, -1, -1))));
  EXPECT_EQ(count(twin, kBlack), 4 * (2 * back.width() + 2 * back.height()) - 16);
  EXPECT_FALSE(isPixelDoubled(twin));
  for (const QPoint at : {QPoint(35, 12), QPoint(12, 40), QPoint(40, 80)}) {
    if (back.valid(at)) {
      EXPECT_EQ(twin.pixel(2 * at + QPoint(1, 1)), back.pixel(at));
    }
  }
}

TEST(CardBitmaps, RegularBackIsSilverWithOliveTrianglesAndAnOrangeCross) {
  const QImage back = loadBitmap(QStringLiteral("RCBMP"));
  ASSERT_FALSE(back.isNull());
  ExpectBackTwin(QStringLiteral("RCBMP"), back);
  EXPECT_EQ(back.size(), QSize(71, 81));
  EXPECT_EQ(bmpBitsPerPixel(QStringLiteral("RCBMP")), 24);
  EXPECT_TRUE(borderIsBlack(back));
  // The field shows above and below the centre, the triangles left and right of it.
  EXPECT_EQ(back.pixel(35, 12), qRgb(192, 192, 192));
  EXPECT_EQ(back.pixel(35, 68), qRgb(192, 192, 192));
  EXPECT_EQ(back.pixel(12, 40), qRgb(128, 128, 64));
  EXPECT_EQ(back.pixel(58, 40), qRgb(128, 128, 64));
  EXPECT_GT(count(back, qRgb(255, 128, 64)), 150);
  // Only the outer border is black: a black line inside would merge with the stack's borders.
  EXPECT_EQ(count(back, kBlack), 2 * 71 + 2 * 81 - 4);
}

TEST(CardBitmaps, LargeBackIsSkyBlueWithWhiteAndGreyClouds) {
  const QImage back = loadBitmap(QStringLiteral("LCBMP"));
  ASSERT_FALSE(back.isNull());
  ExpectBackTwin(QStringLiteral("LCBMP"), back);
  EXPECT_EQ(back.size(), QSize(82, 108));
  EXPECT_EQ(bmpBitsPerPixel(QStringLiteral("LCBMP")), 24);
  EXPECT_TRUE(borderIsBlack(back));
  const int area = back.width() * back.height();
  EXPECT_GT(count(back, qRgb(0, 128, 255)) * 2, area) << "the sky is most of the back";
  EXPECT_GT(count(back, kWhite), 150);
  int grey = 0;
  for (int y = 1; y < back.height() - 1; ++y) {
    for (int x = 1; x < back.width() - 1; ++x) {
      const QRgb c = back.pixel(x, y);
      const int spread =
          std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
      const int light = luminance(c);
      grey += spread < 48 && light > 100 && light < 230;
    }
  }
  EXPECT_GT(grey, 40);
}

}  // namespace
}  // namespace marnelok::test
