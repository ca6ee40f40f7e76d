// Day numbers, web addresses, shell targets, button glyphs and the standard dialogs.
#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "day_number.h"
#include "desktop_dialogs.h"
#include "glyph_icon.h"
#include "qt_printers.h"
#include "shell_target.h"
#include "web_pages.h"

namespace marnelok {
namespace {

TEST(DayNumber, CountsDaysFromTheLastDaysOf1899) {
  const struct {
    QDate date;
    int day;
  } cases[] = {
      {QDate(1899, 12, 30), 0},     {QDate(1899, 12, 29), -1},    {QDate(1900, 1, 1), 2},
      {QDate(1900, 3, 1), 61},      {QDate(2000, 1, 1), 36526},   {QDate(2024, 2, 29), 45351},
      {QDate(2024, 3, 1), 45352},   {QDate(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(DayNumber(c.date), c.day) << c.date.toString();
}

TEST(WebPages, DonationPageAndSiteNameFollowTheHomePage) {
  const struct {
    const char* home;
    const char* donation;
    const char* site;
  } cases[] = {
      {"https://www.marnelok.example", "https://www.marnelok.example/sw/donate.html",
       "www.marnelok.example"},
      {"https://www.marnelok.example/", "https://www.marnelok.example/sw/donate.html",
       "www.marnelok.example"},
      {"http://games.example.org/marnelok", "http://games.example.org/marnelok/sw/donate.html",
       "games.example.org"},
      {"www.plain.example", "www.plain.example/sw/donate.html", "www.plain.example"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DonationPageOf(c.home), QString(c.donation)) << c.home;
    EXPECT_EQ(SiteNameOf(c.home), QString(c.site)) << c.home;
  }
  EXPECT_TRUE(DonationPage().startsWith(HomePage()));
}

TEST(ShellTarget, AddressesPassAndFilesBecomeAbsoluteFileUrls) {
  const QString cwd = QDir::currentPath();
  const struct {
    const char* document;
    QString directory;
    QUrl expected;
  } cases[] = {
      {"https://www.marnelok.example/sw/donate.html", "",
       QUrl("https://www.marnelok.example/sw/donate.html")},
      {"mailto:maker@marnelok.example", "", QUrl("mailto:maker@marnelok.example")},
      {"Marnelok.html", "/opt/marnelok", QUrl::fromLocalFile("/opt/marnelok/Marnelok.html")},
      {"Marnelok.html", "", QUrl::fromLocalFile(cwd + "/Marnelok.html")},
      {"/usr/share/marnelok/Marnelok.html", "/elsewhere",
       QUrl::fromLocalFile("/usr/share/marnelok/Marnelok.html")},
      {"docs/My Help.html", "/opt/m", QUrl::fromLocalFile("/opt/m/docs/My Help.html")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShellTarget(c.document, c.directory), c.expected) << c.document;
  EXPECT_FALSE(ShellTarget("", "").isValid());
}

TEST(GlyphIcon, SplitsTheStripAndClearsEachHalfsCornerColour) {
  const QRgb kNormal = qRgb(200, 0, 0), kNormalKey = qRgb(255, 0, 255);
  const QRgb kDisabled = qRgb(128, 128, 128), kDisabledKey = qRgb(0, 128, 128);
  QImage strip(48, 24, QImage::Format_RGB32);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 48; ++x) strip.setPixel(x, y, x < 24 ? kNormal : kDisabled);
  strip.setPixel(0, 23, kNormalKey);     // each half's key colour sits in its bottom-left...
  strip.setPixel(5, 5, kNormalKey);      // ...and is cleared wherever it appears in that half
  strip.setPixel(24, 23, kDisabledKey);
  strip.setPixel(30, 3, kDisabledKey);
  strip.setPixel(31, 3, kNormalKey);     // the other half's key colour stays

  const QImage normal = GlyphHalf(strip, 0);
  ASSERT_EQ(normal.size(), QSize(24, 24));
  EXPECT_EQ(qAlpha(normal.pixel(0, 23)), 0);
  EXPECT_EQ(qAlpha(normal.pixel(5, 5)), 0);
  EXPECT_EQ(normal.pixel(10, 10), kNormal);

  const QImage disabled = GlyphHalf(strip, 1);
  EXPECT_EQ(qAlpha(disabled.pixel(0, 23)), 0);
  EXPECT_EQ(qAlpha(disabled.pixel(6, 3)), 0);
  EXPECT_EQ(disabled.pixel(7, 3), kNormalKey);
  EXPECT_EQ(disabled.pixel(10, 10), kDisabled);

  const QIcon icon = GlyphIcon(strip);
  EXPECT_EQ(icon.pixmap(24, QIcon::Normal).toImage().pixel(10, 10), kNormal);
  EXPECT_EQ(icon.pixmap(24, QIcon::Disabled).toImage().pixel(10, 10), kDisabled);
  EXPECT_TRUE(GlyphIcon(QImage()).isNull());
  EXPECT_TRUE(GlyphHalf(QImage(1, 1, QImage::Format_RGB32), 0).isNull());
}

TEST(DesktopDialogs, ButtonsIconsAndTheTextPromptsLimit) {
  const auto message = MakeMessageBox(nullptr, "Caption", "Text");
  EXPECT_EQ(message->icon(), QMessageBox::NoIcon);
  EXPECT_EQ(message->standardButtons(), QMessageBox::Ok);

  const auto confirm = MakeConfirmation(nullptr, "Reset", "Sure?");
  EXPECT_EQ(confirm->icon(), QMessageBox::Question);
  EXPECT_EQ(confirm->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(confirm->defaultButton(), confirm->button(QMessageBox::Ok));
  EXPECT_EQ(confirm->escapeButton(), confirm->button(QMessageBox::Cancel));

  const auto prompt = MakeTextPrompt(nullptr, "Top 5", "Your name:", "Alice");
  EXPECT_EQ(prompt->windowTitle(), "Top 5");
  EXPECT_EQ(prompt->labelText(), "Your name:");
  const auto* edit = prompt->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), "Alice");
  EXPECT_EQ(edit->selectedText(), "Alice");
  EXPECT_EQ(edit->maxLength(), 255);
}

}  // namespace
}  // namespace marnelok
