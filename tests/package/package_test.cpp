// SPDX-License-Identifier: GPL-3.0-or-later
// The Debian package as built by CPack: its control fields, every file it installs, its hardened
// program, and the program from an unpacked copy finding its own help document.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <map>
#include <string>

#include "tool_run.h"
#include "x_session.h"

namespace marnelok::package {
namespace {

using testing::RunTool;
using testing::ToolRun;

QString g_deb;
const QDir kAssets(QStringLiteral(MARNELOK_ASSETS_SOURCE_DIR));
const QString kHelp = QStringLiteral("usr/share/marnelok/Marnelok.html");

// The languages the program ships besides English.
QStringList Languages() {
  return QString::fromLatin1(MARNELOK_LANGUAGES).split(u',', Qt::SkipEmptyParts);
}

// The help document in the language `code`; English for none.
QString Help(const QString& code) {
  return code.isEmpty() ? kHelp : QStringLiteral("usr/share/marnelok/Marnelok.%1.html").arg(code);
}

std::string Sorted(const QSet<QString>& paths) {
  QStringList list(paths.begin(), paths.end());
  list.sort();
  return list.join(u'\n').toStdString();
}

QByteArray Sha256(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Each icon of the artwork and the theme folder it belongs in: marnelok-48.png in 48x48,
// marnelok-48@2x.png in 48x48@2, marnelok.svg in scalable. The value is the image's expected
// side in pixels (the SVG's size as drawn).
QMap<QString, QPair<QString, int>> ExpectedIcons() {
  QMap<QString, QPair<QString, int>> icons;
  const QRegularExpression name(QStringLiteral("^marnelok-(\\d+)(@2x)?\\.png$"));
  const QDir iconDir(kAssets.filePath(QStringLiteral("icons")));
  for (const QString& file : iconDir.entryList({QStringLiteral("marnelok-*.png")}, QDir::Files)) {
    const QRegularExpressionMatch m = name.match(file);
    if (!m.hasMatch()) continue;
    const int size = m.captured(1).toInt();
    const bool doubled = !m.captured(2).isEmpty();
    const QString folder = QStringLiteral("%1x%1%2").arg(size).arg(doubled ? "@2" : "");
    icons.insert(QStringLiteral("usr/share/icons/hicolor/%1/apps/marnelok.png").arg(folder),
                 {iconDir.filePath(file), doubled ? 2 * size : size});
  }
  icons.insert(QStringLiteral("usr/share/icons/hicolor/scalable/apps/marnelok.svg"),
               {iconDir.filePath(QStringLiteral("marnelok.svg")), 256});
  return icons;
}

TEST(Package, ControlFieldsAndEveryInstalledFile) {
  ASSERT_FALSE(g_deb.isEmpty());
  const std::string arch = RunTool(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")})
                               .output.trimmed()
                               .toStdString();
  EXPECT_EQ(QFileInfo(g_deb).fileName().toStdString(),
            "marnelok_" MARNELOK_VERSION "_" + arch + ".deb");

  std::map<std::string, std::string> fields;
  for (const char* field :
       {"Package", "Version", "Architecture", "Section", "Depends", "Recommends"}) {
    const ToolRun run = RunTool(QStringLiteral("dpkg-deb"),
                                {QStringLiteral("--field"), g_deb, QString::fromLatin1(field)});
    ASSERT_EQ(run.exitCode, 0) << field;
    fields[field] = run.output.trimmed().toStdString();
  }
  EXPECT_EQ(fields["Package"], "marnelok");
  EXPECT_EQ(fields["Version"], MARNELOK_VERSION);
  EXPECT_EQ(fields["Architecture"], arch);
  EXPECT_EQ(fields["Section"], "games");
  // Found by dpkg-shlibdeps in the program and the statistics module, with the versions their
  // symbols need; and the SQLite driver, a plugin that nothing links.
  for (const char* library : {"libc6 (>= ", "libqt6core6 (>= ", "libqt6widgets6 (>= ",
                              "libqt6sql6 (>= ", "libqt6charts6 (>= ", "libqt6sql6-sqlite"})
    EXPECT_NE(fields["Depends"].find(library), std::string::npos)
        << library << " missing from " << fields["Depends"];
  // A Wayland desktop runs the game natively with Qt's Wayland plugin.
  EXPECT_NE(fields["Recommends"].find("qt6-wayland"), std::string::npos) << fields["Recommends"];

  // The listing holds these files and no others, all owned by root.
  const QMap<QString, QPair<QString, int>> icons = ExpectedIcons();
  ASSERT_FALSE(icons.isEmpty());
  QSet<QString> expected{QStringLiteral("usr/games/marnelok"),
                         QStringLiteral("usr/lib/games/marnelok/libmarnelok_chart_windows.so"),
                         kHelp,
                         QStringLiteral("usr/share/marnelok/help/review.png"),
                         QStringLiteral("usr/share/applications/marnelok.desktop"),
                         QStringLiteral("usr/share/metainfo/io.example.Marnelok.metainfo.xml"),
                         QStringLiteral("usr/share/man/man6/marnelok.6.gz"),
                         QStringLiteral("usr/share/doc/marnelok/copyright"),
                         QStringLiteral("usr/share/doc/marnelok/changelog.gz")};
  for (const QString& icon : icons.keys()) expected.insert(icon);
  for (const QString& code : Languages()) expected.insert(Help(code));

  const ToolRun listing =
      RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), g_deb});
  ASSERT_EQ(listing.exitCode, 0);
  QSet<QString> files;
  for (const QString& line : listing.output.split(u'\n', Qt::SkipEmptyParts)) {
    const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
    ASSERT_GE(columns.size(), 6) << line.toStdString();
    EXPECT_EQ(columns[1].toStdString(), "root/root") << line.toStdString();
    if (columns[0].startsWith(u'd')) continue;
    QString path = columns[5];
    path.remove(0, 2);  // "./"
    files.insert(path);
    const bool program = path == QStringLiteral("usr/games/marnelok");
    EXPECT_EQ(columns[0].toStdString(), program ? "-rwxr-xr-x" : "-rw-r--r--")
        << path.toStdString();
  }
  EXPECT_EQ(Sorted(files), Sorted(expected));

  // Unpacked, the data files are the project's own, and each icon sits in its size's folder.
  QTemporaryDir root;
  ASSERT_EQ(
      RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), g_deb, root.path()}).exitCode, 0);
  const QDir unpacked(root.path());
  for (const QString& code : QStringList{QString()} + Languages()) {
    EXPECT_EQ(Sha256(unpacked.filePath(Help(code))),
              Sha256(kAssets.filePath(QFileInfo(Help(code)).fileName())))
        << code.toStdString();
  }
  EXPECT_EQ(Sha256(unpacked.filePath("usr/share/marnelok/help/review.png")),
            Sha256(kAssets.filePath("help/review.png")));
  EXPECT_EQ(Sha256(unpacked.filePath("usr/share/applications/marnelok.desktop")),
            Sha256(kAssets.filePath("marnelok.desktop")));
  for (auto icon = icons.cbegin(); icon != icons.cend(); ++icon) {
    EXPECT_EQ(Sha256(unpacked.filePath(icon.key())), Sha256(icon.value().first))
        << icon.key().toStdString();
    const QImage image(unpacked.filePath(icon.key()));
    EXPECT_EQ(image.size(), QSize(icon.value().second, icon.value().second))
        << icon.key().toStdString();
  }
  const ToolRun man =
      RunTool(QStringLiteral("zcat"),
              {unpacked.filePath(QStringLiteral("usr/share/man/man6/marnelok.6.gz"))});
  EXPECT_TRUE(man.output.contains(QStringLiteral(".TH MARNELOK 6 "))) << "not a section 6 page";

  // Built as Debian builds its packages: PIE, stack protector, fortified functions, full RELRO
  // and immediate binding. Control-flow protection is not among Debian 12's build flags.
  const QString hardeningCheck = QStandardPaths::findExecutable(QStringLiteral("hardening-check"));
  ASSERT_FALSE(hardeningCheck.isEmpty())
      << "hardening-check is missing: run scripts/install-deps tests";
  const ToolRun hardening =
      RunTool(hardeningCheck,
              {QStringLiteral("--nocfprotection"), QStringLiteral("--verbose"),
               unpacked.filePath(QStringLiteral("usr/games/marnelok"))},
              true);
  EXPECT_EQ(hardening.exitCode, 0) << hardening.output.toStdString();
  EXPECT_TRUE(hardening.output.contains(QStringLiteral("Fortify Source functions: yes")))
      << hardening.output.toStdString();
}

// F1 in the unpacked program, started from an unrelated folder, in English and in every shipped
// language: the desktop is asked to open the help document of that copy in that language. A
// stand-in for xdg-open writes down what it was given. The Statistics window opens too, from the
// module that copy holds.
TEST(Package, UnpackedProgramOpensItsOwnHelpDocument) {
  ASSERT_FALSE(g_deb.isEmpty());
  QTemporaryDir root;
  QTemporaryDir elsewhere;
  QTemporaryDir tools;
  ASSERT_EQ(
      RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), g_deb, root.path()}).exitCode, 0);

  const QString opened = tools.filePath(QStringLiteral("opened"));
  QFile opener(tools.filePath(QStringLiteral("xdg-open")));
  ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
  // Written whole, then renamed: the test never reads half a line.
  opener.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1.part' && mv '%1.part' '%1'\n")
                   .arg(opened)
                   .toUtf8());
  opener.close();
  opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);

  for (const QString& code : QStringList{QString()} + Languages()) {
    SCOPED_TRACE(code.isEmpty() ? "English" : code.toStdString());
    QFile::remove(opened);
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), tools.path() + u':' + qEnvironmentVariable("PATH"));
    // No desktop to ask first: Qt then hands documents to xdg-open.
    env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QString());
    env.insert(QStringLiteral("DESKTOP_SESSION"), QString());
    if (!code.isEmpty()) env.insert(QStringLiteral("LANG"), code + QStringLiteral(".UTF-8"));
    QTemporaryDir config;
    e2e::XSession x(QDir(root.path()).filePath(QStringLiteral("usr/games/marnelok")), config.path(),
                    env, elsewhere.path());
    const QString window = x.WaitForWindow(QStringLiteral("^Marnelok 8\\.00 "), 20000);
    ASSERT_FALSE(window.isEmpty()) << "the unpacked program showed no window";
    x.Wait(1800);  // the splash goes by itself after 1500 ms
    x.Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    x.Key(QStringLiteral("F1"));
    for (int i = 0; i < 50 && !QFileInfo::exists(opened); ++i) x.Wait(100);

    QFile record(opened);
    ASSERT_TRUE(record.open(QIODevice::ReadOnly)) << "F1 asked the desktop to open nothing";
    const QString target = QString::fromUtf8(record.readAll());
    const QString path =
        target.startsWith(QStringLiteral("file:")) ? QUrl(target).toLocalFile() : target;
    EXPECT_EQ(QFileInfo(path).canonicalFilePath().toStdString(),
              QFileInfo(QDir(root.path()).filePath(Help(code))).canonicalFilePath().toStdString())
        << "opened: " << target.toStdString();
    EXPECT_TRUE(x.Running());
    if (!code.isEmpty()) continue;

    x.Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    x.Key(QStringLiteral("alt+g"));
    x.Key(QStringLiteral("i"));
    EXPECT_FALSE(x.WaitForWindow(QStringLiteral("^Statistics$"), 10000).isEmpty())
        << "the unpacked program found no statistics module";
  }
}
}  // namespace
}  // namespace marnelok::package

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) marnelok::package::g_deb = QString::fromLocal8Bit(argv[1]);
  return RUN_ALL_TESTS();
}
