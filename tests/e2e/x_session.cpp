// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the real program on an X display and driving it with xdotool.
#include "x_session.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

namespace marnelok::e2e {

XSession::XSession(const QString& program, const QString& configHome,
                   const QProcessEnvironment& environment, const QString& workingDir,
                   const QStringList& arguments) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
  env.insert(QStringLiteral("XDG_DATA_HOME"), configHome);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  // The program's own texts, English, whatever language the test runs in; a test that wants
  // another sets LANG.
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
    env.remove(QString::fromLatin1(name));
  env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
  env.insert(environment);
  process_.setProcessEnvironment(env);
  if (!workingDir.isEmpty()) process_.setWorkingDirectory(workingDir);
  process_.setProcessChannelMode(QProcess::ForwardedChannels);
  process_.start(program, arguments);
  process_.waitForStarted(10000);
}

XSession::~XSession() {
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(5000);
  }
}

QString XSession::Xdotool(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral("xdotool"), args);
  p.waitForFinished(10000);
  return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QString XSession::WaitForWindow(const QString& title, int timeoutMs) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < timeoutMs) {
    const QString ids = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--name"), title});
    if (!ids.isEmpty()) return ids.split('\n').first();
    Wait(100);
  }
  return {};
}

void XSession::ClickAt(QPoint screen) {
  Xdotool({QStringLiteral("mousemove"), QString::number(screen.x()), QString::number(screen.y()),
           QStringLiteral("click"), QStringLiteral("1")});
  Wait(60);
}

void XSession::Key(const QString& key) {
  Xdotool({QStringLiteral("key"), key});
  Wait(100);
}

QImage XSession::Screen() {
  return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
      QImage::Format_RGB32);
}

QRect XSession::WindowGeometry(const QString& id) {
  QRect geometry;
  for (const QString& line : Xdotool({"getwindowgeometry", "--shell", id}).split('\n')) {
    const int value = line.section('=', 1).toInt();
    if (line.startsWith("X=")) geometry.moveLeft(value);
    if (line.startsWith("Y=")) geometry.moveTop(value);
    if (line.startsWith("WIDTH=")) geometry.setWidth(value);
    if (line.startsWith("HEIGHT=")) geometry.setHeight(value);
  }
  return geometry;
}

QPoint XSession::TableOrigin(const QString& id) {
  const QPoint topLeft = WindowGeometry(id).topLeft();
  // The first pixel of the green table below the menu bar at the window's left edge.
  const QImage screen = Screen();
  const QColor green(0, 128, 0);
  for (int y = topLeft.y(); y < topLeft.y() + 80 && y < screen.height(); ++y)
    if (screen.pixelColor(topLeft.x() + 2, y) == green) return {topLeft.x(), y};
  return {-1, -1};
}

int XSession::WaitForExit(int timeoutMs) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < timeoutMs && process_.state() != QProcess::NotRunning) Wait(50);
  if (process_.state() != QProcess::NotRunning || process_.exitStatus() != QProcess::NormalExit)
    return -1;
  return process_.exitCode();
}

void XSession::Wait(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    QGuiApplication::processEvents();
    QThread::msleep(10);
  }
}

}  // namespace marnelok::e2e
