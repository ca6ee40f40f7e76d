// SPDX-License-Identifier: GPL-3.0-or-later
// A private headless Weston, its input module, and the program started on it.
#include "weston_session.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>

namespace marnelok::e2e {
namespace {

const QString kSocket = QStringLiteral("marnelok-e2e");

// Waits up to `ms` for `done`.
template <typename Done>
bool WaitFor(Done done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QThread::msleep(20);
  }
  return true;
}

}  // namespace

WestonSession::WestonSession(const QString& inputModule, bool xwayland) {
  const QString runtime = dir_.filePath(QStringLiteral("runtime"));
  const QString fifo = dir_.filePath(QStringLiteral("input"));
  if (!dir_.isValid() || mkdir(qPrintable(runtime), 0700) != 0 ||
      mkfifo(qPrintable(fifo), 0600) != 0) {
    problem_ = QStringLiteral("cannot make the compositor's folders");
    return;
  }
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
  env.insert(QStringLiteral("MARNELOK_WESTON_INPUT"), fifo);
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  weston_.setProcessEnvironment(env);
  weston_.setProcessChannelMode(QProcess::MergedChannels);
  weston_.setStandardOutputFile(dir_.filePath(QStringLiteral("weston.log")));
  weston_.start(QStringLiteral("weston"),
                {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--use-pixman"),
                 QStringLiteral("--no-config"), QStringLiteral("--socket=") + kSocket,
                 QStringLiteral("--width=1280"), QStringLiteral("--height=1024"),
                 QStringLiteral("--idle-time=0"),
                 QStringLiteral("--modules=") + (xwayland ? "xwayland.so," : "") + inputModule});
  if (!weston_.waitForStarted(10000)) {
    problem_ = QStringLiteral("weston did not start (install it with scripts/install-deps tests)");
    return;
  }
  const QString socket = runtime + QLatin1Char('/') + kSocket;
  if (!WaitFor([&] { return QFile::exists(socket); }, 10000) ||
      weston_.state() != QProcess::Running) {
    QFile log(dir_.filePath(QStringLiteral("weston.log")));
    log.open(QIODevice::ReadOnly);
    problem_ = QStringLiteral("weston did not come up:\n") + QString::fromUtf8(log.readAll());
    return;
  }
  // Weston names the display its X server listens on; the server starts at its first client.
  const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
  QFile log(dir_.filePath(QStringLiteral("weston.log")));
  if (xwayland && !WaitFor(
                      [&] {
                        log.open(QIODevice::ReadOnly);
                        xDisplay_ = listening.match(QString::fromUtf8(log.readAll())).captured(1);
                        log.close();
                        return !xDisplay_.isEmpty();
                      },
                      10000)) {
    problem_ = QStringLiteral("weston offers no X server (install xwayland)");
    return;
  }
  // The module holds the FIFO open for reading, so this open does not wait.
  fifo_ = open(qPrintable(fifo), O_WRONLY | O_CLOEXEC);
  if (fifo_ < 0) problem_ = QStringLiteral("cannot open the input module's FIFO");
}

WestonSession::~WestonSession() {
  for (QProcess* p : {&program_, &weston_}) {
    if (p->state() == QProcess::NotRunning) continue;
    p->terminate();
    if (!p->waitForFinished(5000)) {
      p->kill();
      p->waitForFinished(5000);
    }
  }
  if (fifo_ >= 0) close(fifo_);
}

bool WestonSession::StartProgram(const QString& program, bool x11) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.filePath(QStringLiteral("runtime")));
  // As in a Wayland session, whose X11 clients see the compositor's socket too.
  env.insert(QStringLiteral("WAYLAND_DISPLAY"), kSocket);
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), ConfigHome());
  if (x11) {
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), xDisplay_);
  } else {
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("1"));
    env.remove(QStringLiteral("DISPLAY"));
  }
  // In the sanitizer build: Qt's Wayland plugin leaves its last protocol objects to the end of
  // the process and is unloaded before the leak check, so no suppression can name them. The
  // program's own leaks are checked by the window tests; every other error still counts.
  const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
  env.insert(
      QStringLiteral("ASAN_OPTIONS"),
      (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) + QStringLiteral("detect_leaks=0"));
  program_.setProcessEnvironment(env);
  program_.setStandardOutputFile(QProcess::nullDevice());
  program_.setStandardErrorFile(dir_.filePath(QStringLiteral("protocol.log")));
  program_.start(program, {});
  return program_.waitForStarted(10000);
}

QString WestonSession::ProtocolLog() const {
  QFile log(dir_.filePath(QStringLiteral("protocol.log")));
  return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

void WestonSession::Command(const QString& line) {
  const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
  if (fifo_ < 0 || write(fifo_, bytes.constData(), static_cast<size_t>(bytes.size())) !=
                       static_cast<ssize_t>(bytes.size()))
    problem_ = QStringLiteral("cannot write to the input module");
}

QString WestonSession::Fetch(const QString& command) {
  const QString path = dir_.filePath(QStringLiteral("fetch-%1").arg(++fetches_));
  Command(command + QLatin1Char(' ') + path);
  return WaitFor([&] { return QFile::exists(path); }, 5000) ? path : QString();
}

QImage WestonSession::Screen() {
  const QString path = Fetch(QStringLiteral("shot"));
  return path.isEmpty() ? QImage() : QImage(path, "PPM").convertToFormat(QImage::Format_RGB32);
}

std::vector<CompositorWindow> WestonSession::Windows() {
  std::vector<CompositorWindow> windows;
  QFile list(Fetch(QStringLiteral("windows")));
  if (!list.open(QIODevice::ReadOnly)) return windows;
  for (const QString& line : QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'))) {
    const QStringList f = line.split(QLatin1Char(' '));
    if (f.size() < 5) continue;
    windows.push_back({QRect(f[0].toInt(), f[1].toInt(), f[2].toInt(), f[3].toInt()),
                       f.mid(4).join(QLatin1Char(' '))});
  }
  return windows;
}

void WestonSession::ClickAt(QPoint screen) {
  Command(QStringLiteral("move %1 %2").arg(screen.x()).arg(screen.y()));
  Wait(50);
  Command(QStringLiteral("button 1"));
  Wait(30);
  Command(QStringLiteral("button 0"));
  Wait(100);
}

void WestonSession::Keys(const std::vector<int>& codes) {
  for (int code : codes) {
    Command(QStringLiteral("key %1 1").arg(code));
    Wait(30);
  }
  for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
    Command(QStringLiteral("key %1 0").arg(*it));
    Wait(30);
  }
  Wait(150);
}

void WestonSession::Wait(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

}  // namespace marnelok::e2e
