// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the application, the main window, the donation reminder, the event loop.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "command_line.h"
#include "default_record_store.h"
#include "donate_form.h"
#include "donate_reminder.h"
#include "history_file.h"
#include "history_service.h"
#include "language.h"
#include "marnelok_form.h"
#include "qt_desktop.h"
#include "scale_factor.h"

int main(int argc, char* argv[]) {
  // Before Qt starts: --help, --version and a mistake are answered without a display.
  const marnelok::CommandLine line = marnelok::ParseCommandLine({argv + 1, argv + argc});
  if (line.action != marnelok::CommandLine::Action::kRun) {
    const bool help = line.action == marnelok::CommandLine::Action::kHelp;
    const auto answer = marnelok::AnswerCommandLine(
        line, marnelok::ProgramName(argc > 0 ? argv[0] : nullptr),
        help ? marnelok::TextsInSystemLanguage("marnelok::CommandLine") : nullptr);
    std::fputs(answer.text.c_str(), answer.toError ? stderr : stdout);
    return answer.status;
  }

#ifdef Q_OS_WIN
  // Qt gives each thread that matches a regular expression with its JIT a stack of its own,
  // freed when the thread ends; in this MinGW build that freeing crashed as a worker thread
  // ended at the program's end (seen under Wine, after which the process never ended). Qt
  // matches such expressions itself, e.g. to resolve links in file paths; its interpreter needs
  // no such stack. A value set by the player stays.
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_REGEXP_JIT")) qputenv("QT_ENABLE_REGEXP_JIT", "0");
#endif
  const QString ignored = marnelok::IgnoreAbsurdScaleFactors();
  if (!ignored.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(ignored));
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Marnelok"));
  QApplication::setDesktopFileName(QStringLiteral("marnelok"));
  // Before any window: the windows take their texts as they are made.
  marnelok::InstallTranslations();
  // No application display name: Qt would append it to every window caption, on Windows as
  // well as on Linux. The taskbar shows the main window's caption.

  marnelok::QtDesktop desktop;
  marnelok::DonateReminder donate(desktop);
  donate.LoadDonateState();
  // Nothing is opened or started here: the history's file and thread wait for the first card
  // placed.
  // Its end waits for the last games to be written.
  marnelok::history::HistoryService history(marnelok::history::HistoryFile());
  int result = 0;
  {
    const auto store = marnelok::MakeDefaultRecordStore();
    marnelok::TMarnelokForm form(desktop, *store, donate, history);
    form.show();
    if (line.deal) form.DealNumber(*line.deal);
    if (line.daily) form.DailyDeal();
    // The hidden donation dialog of the program's start is never shown; it is made once the
    // event loop runs, so that it does not delay the first sight of the table.
    std::unique_ptr<marnelok::TDonateForm> hiddenDonateForm;
    QTimer::singleShot(0, &form, [&] {
      hiddenDonateForm = std::make_unique<marnelok::TDonateForm>(&form, desktop);
    });
    result = QApplication::exec();
  }
  donate.SaveDonateState();
  return result;
}
