// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop entry, the AppStream metadata and the installed icons: each valid on its own,
// all naming the same program, icon and home page, and both texts in every shipped language.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <cstdlib>

#include "tool_run.h"

namespace marnelok::test {
namespace {

using testing::RunTool;
using testing::ToolRun;

const QDir kAssets(QStringLiteral(MARNELOK_ASSETS_SOURCE_DIR));
const QString kDesktopFile = QStringLiteral("marnelok.desktop");
const QString kMetainfoFile = QStringLiteral("io.example.Marnelok.metainfo.xml");

TEST(DesktopFiles, DesktopEntryPassesDesktopFileValidate) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
  ASSERT_FALSE(tool.isEmpty())
      << "desktop-file-validate is missing: run scripts/install-deps tests";
  const ToolRun run = RunTool(tool, {kAssets.filePath(kDesktopFile)}, true);
  EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
  EXPECT_TRUE(run.output.trimmed().isEmpty()) << run.output.toStdString();
}

TEST(DesktopFiles, MetainfoPassesAppstreamValidation) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
  ASSERT_FALSE(tool.isEmpty()) << "appstreamcli is missing: run scripts/install-deps tests";
  const ToolRun run = RunTool(
      tool,
      {QStringLiteral("validate"), QStringLiteral("--no-net"), kAssets.filePath(kMetainfoFile)},
      true);
  EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
}

QMap<QString, QString> readDesktopEntry(const QString& path) {
  QMap<QString, QString> keys;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    const auto equals = line.indexOf(u'=');
    if (equals > 0) keys.insert(line.left(equals), line.mid(equals + 1));
  }
  return keys;
}

// Text of the first element of each name, keyed "name" or "name[type]".
QMap<QString, QString> readMetainfo(const QString& path) {
  QMap<QString, QString> found;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return found;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    QString key = xml.name().toString();
    const QString type = xml.attributes().value(QStringLiteral("type")).toString();
    if (!type.isEmpty() && key != QStringLiteral("component")) key += '[' + type + ']';
    if (key == QStringLiteral("component") || key == QStringLiteral("categories") ||
        key == QStringLiteral("provides") || key == QStringLiteral("description") ||
        key == QStringLiteral("releases") || key == QStringLiteral("ul")) {
      continue;  // containers: read their children
    }
    const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    if (!found.contains(key)) found.insert(key, text);
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return found;
}

TEST(DesktopFiles, EntryMetadataAndIconsNameTheSameProgram) {
  const QMap<QString, QString> entry = readDesktopEntry(kAssets.filePath(kDesktopFile));
  EXPECT_EQ(entry.value(QStringLiteral("Exec")), QStringLiteral("marnelok"));
  EXPECT_EQ(entry.value(QStringLiteral("Icon")), QStringLiteral("marnelok"));
  const QStringList categories =
      entry.value(QStringLiteral("Categories")).split(u';', Qt::SkipEmptyParts);
  EXPECT_TRUE(categories.contains(QStringLiteral("Game")));
  EXPECT_TRUE(categories.contains(QStringLiteral("CardGame")));

  const QMap<QString, QString> meta = readMetainfo(kAssets.filePath(kMetainfoFile));
  EXPECT_EQ(meta.value(QStringLiteral("id")) + QStringLiteral(".metainfo.xml"), kMetainfoFile);
  EXPECT_EQ(meta.value(QStringLiteral("launchable[desktop-id]")), kDesktopFile);
  EXPECT_EQ(meta.value(QStringLiteral("icon[stock]")), entry.value(QStringLiteral("Icon")));
  EXPECT_EQ(meta.value(QStringLiteral("binary")), entry.value(QStringLiteral("Exec")));
  EXPECT_EQ(meta.value(QStringLiteral("url[homepage]")),
            QStringLiteral("https://www.marnelok.example"));
}

// Every language the program ships names and describes it in the desktop entry and in the
// metadata: every text that has an English version has one in that language.
TEST(DesktopFiles, EveryShippedLanguageNamesAndDescribesTheProgram) {
  const QStringList languages =
      QString::fromLatin1(MARNELOK_LANGUAGES).split(u',', Qt::SkipEmptyParts);
  ASSERT_FALSE(languages.isEmpty());
  const QMap<QString, QString> entry = readDesktopEntry(kAssets.filePath(kDesktopFile));
  QFile file(kAssets.filePath(kMetainfoFile));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QMap<QString, int> texts;  // "element" or "element[language]": how many
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QString language = xml.attributes().value(QStringLiteral("xml:lang")).toString();
    const QString name = xml.name().toString();
    ++texts[language.isEmpty() ? name : name + '[' + language + ']'];
  }
  for (const QString& code : languages) {
    SCOPED_TRACE(code.toStdString());
    for (const char* key : {"Name", "GenericName", "Comment", "Keywords"}) {
      const QString translated = entry.value(QString::fromLatin1(key) + '[' + code + ']');
      EXPECT_FALSE(translated.isEmpty()) << key;
    }
    for (const char* element : {"name", "summary", "p", "li"}) {
      const QString name = QString::fromLatin1(element);
      EXPECT_EQ(texts.value(name + '[' + code + ']'), texts.value(name)) << element;
    }
  }
}

// The hicolor icons that the install rules put in place under the entry's icon name: a PNG at
// every size desktops ask for, and the scalable drawing that the large ones are made from.
TEST(DesktopFiles, IconsComeAtEverySizeAndTheSmallOnesAreCrisp) {
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QImage icon = QImage(kAssets.filePath(QStringLiteral("icons/marnelok-%1.png").arg(size)))
                            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(size, size)) << size;
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    if (size > 32) continue;
    // Drawn on whole pixels: no edge blends into the felt or into the transparent corners, so
    // only the handful of colours of the drawing occur, each fully opaque.
    QSet<QRgb> colors;
    int partlyTransparent = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const QRgb pixel = icon.pixel(x, y);
        partlyTransparent += qAlpha(pixel) != 0 && qAlpha(pixel) != 255;
        if (qAlpha(pixel) == 255) colors.insert(pixel);
      }
    }
    EXPECT_EQ(partlyTransparent, 0) << size << " px icon has blended edges";
    EXPECT_GE(colors.size(), 5) << size;  // felt, rim, cards, black and red suits
    EXPECT_LE(colors.size(), 8) << size << " px icon has blended colours";
  }

  QSvgRenderer svg(kAssets.filePath(QStringLiteral("icons/marnelok.svg")));
  ASSERT_TRUE(svg.isValid());
  EXPECT_EQ(svg.defaultSize(), QSize(256, 256));
  QImage rendered(256, 256, QImage::Format_ARGB32);
  rendered.fill(Qt::transparent);
  QPainter painter(&rendered);
  svg.render(&painter);
  painter.end();
  const QImage png = QImage(kAssets.filePath(QStringLiteral("icons/marnelok-256.png")))
                         .convertToFormat(QImage::Format_ARGB32);
  int differing = 0;
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      const QRgb a = rendered.pixel(x, y);
      const QRgb b = png.pixel(x, y);
      differing += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                       std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b)) >
                   16;
    }
  }
  EXPECT_LT(differing, 256 * 256 / 200) << "the SVG draws another picture than the PNGs";
}

}  // namespace
}  // namespace marnelok::test
