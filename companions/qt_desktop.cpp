// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop as Qt provides it.
#include "qt_desktop.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <climits>

#include "day_number.h"
#include "desktop_dialogs.h"
#include "shell_target.h"

namespace marnelok {

void QtDesktop::ShowMessage(QWidget* owner, const QString& caption, const QString& text) {
  MakeMessageBox(owner, caption, text)->exec();
}

bool QtDesktop::Confirm(QWidget* owner, const QString& caption, const QString& text) {
  return MakeConfirmation(owner, caption, text)->exec() == QMessageBox::Ok;
}

QString QtDesktop::AskText(QWidget* owner, const QString& title, const QString& prompt,
                           const QString& initial, const QString& description) {
  const auto dialog = MakeTextPrompt(owner, title, prompt, initial, description);
  return dialog->exec() == QDialog::Accepted ? dialog->textValue() : initial;
}

QString QtDesktop::AskSaveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                                   const QString& filter) {
  return QFileDialog::getSaveFileName(owner, caption, suggested, filter);
}

int QtDesktop::ExecModal(QDialog& dialog) { return dialog.exec(); }

void QtDesktop::Beep() { QApplication::beep(); }

void QtDesktop::ShellOpen(const QString& document, const QString& /*parameters*/,
                          const QString& directory, int /*showMode*/) {
  const QUrl target = ShellTarget(document, directory);
  // A failure to open is the desktop's to report; the program goes on as before.
  if (target.isValid()) QDesktopServices::openUrl(target);
}

namespace {

// The pixels from `first` to `last`, none for a reversed span. A degenerate screen (one
// reaching from 0 to the largest int) would overflow QRect's own width() and height().
int Span(qint64 first, qint64 last) {
  return static_cast<int>(std::clamp<qint64>(last - first + 1, 0, INT_MAX));
}

}  // namespace

int QtDesktop::ScreenWidth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? Span(screen->geometry().left(), screen->geometry().right()) : 0;
}

QSize QtDesktop::FullScreenClientSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QRect available = screen->availableGeometry();
  const int titleBar = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
  return {Span(available.left(), available.right()),
          Span(qint64(available.top()) + titleBar, available.bottom())};
}

int QtDesktop::Today() { return DayNumber(QDate::currentDate()); }

// Qt has no public question for it; its Wayland platforms are named "wayland",
// "wayland-egl" and so on.
bool QtDesktop::CanMoveWindows() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool QtDesktop::OnXWayland() {
  return QGuiApplication::platformName() == QLatin1String("xcb") &&
         (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
          qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland"));
}

}  // namespace marnelok
