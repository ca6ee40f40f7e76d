// Program entry: the application, the main window, the donation reminder, the event loop.
#include <QApplication>
#include <QTimer>
#include <memory>

#include "donate_form.h"
#include "donate_reminder.h"
#include "file_record_store.h"
#include "marnelok_form.h"
#include "qt_desktop.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Marnelok"));
  QApplication::setDesktopFileName(QStringLiteral("marnelok"));
#ifdef Q_OS_WIN
  // Elsewhere Qt would append the display name to every window caption.
  QApplication::setApplicationDisplayName(QStringLiteral("Marnelok 8.00 - Freeware Edition"));
#endif

  marnelok::QtDesktop desktop;
  marnelok::DonateReminder donate(desktop);
  donate.LoadDonateState();
  int result = 0;
  {
    marnelok::FileRecordStore store(marnelok::FileRecordStore::DefaultPath());
    marnelok::TMarnelokForm form(desktop, store, donate);
    form.show();
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
