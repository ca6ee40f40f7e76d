// A desktop for tests: records shell requests, answers the standard dialogs with preset
// values, keeps a settable "today", and runs modal dialogs by showing them and letting the
// test act on them instead of entering a modal loop.
#pragma once

#include <QDialog>
#include <functional>
#include <ostream>
#include <vector>

#include "desktop.h"

namespace marnelok::testing {

struct ShellCall {
  QString document;
  QString parameters;
  QString directory;
  int showMode = 0;
  bool operator==(const ShellCall&) const = default;
};

inline void PrintTo(const ShellCall& c, std::ostream* os) {
  *os << c.document.toStdString() << " [" << c.parameters.toStdString() << "] ["
      << c.directory.toStdString() << "] " << c.showMode;
}

class FakeDesktop : public Desktop {
 public:
  int today = 45000;
  std::vector<ShellCall> shellCalls;
  int execCount = 0;
  // Acts on the shown dialog, normally ending with a close; left open, it is closed after.
  std::function<void(QDialog&)> answer;

  void ShowMessage(QWidget*, const QString&, const QString&) override {}
  bool Confirm(QWidget*, const QString&, const QString&) override { return true; }
  QString AskText(QWidget*, const QString&, const QString&, const QString& initial) override {
    return initial;
  }
  int ExecModal(QDialog& dialog) override {
    ++execCount;
    dialog.show();
    if (answer) answer(dialog);
    if (dialog.isVisible()) dialog.close();
    return dialog.result();
  }
  void Beep() override {}
  void ShellOpen(const QString& document, const QString& parameters, const QString& directory,
                 int showMode) override {
    shellCalls.push_back({document, parameters, directory, showMode});
  }
  int ScreenWidth() override { return 1024; }
  QSize FullScreenClientSize() override { return {1024, 738}; }
  int Today() override { return today; }
};

}  // namespace marnelok::testing
