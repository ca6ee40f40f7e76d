// SPDX-License-Identifier: GPL-3.0-or-later
// The one desktop for tests of every window: records what the windows asked of it, answers
// the standard dialogs as the test sets them, keeps a settable screen and "today", and runs
// modal dialogs by showing them and letting the test act on them instead of entering a modal
// loop.
#pragma once

#include <QDialog>
#include <QStringList>
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
  QStringList messages;  // "caption|text"
  // The owner of each message: none centres it on the screen rather than on a window.
  std::vector<const QWidget*> messageOwners;
  QStringList prompts;   // "title|prompt|initial|description"
  QStringList confirms;  // "caption|text"
  int beeps = 0;
  bool confirmAnswer = true;
  // The text prompt's answer; by default the initial text, as Cancel gives it.
  std::function<QString(const QString& initial)> answerText = [](const QString& i) { return i; };
  QStringList saveDialogs;  // "caption|suggested|filter"
  QString saveFileAnswer;   // the chosen file; empty for Cancel
  QSize fullScreenClient{1280, 990};
  int screenWidth = 1280;
  bool canMoveWindows = true;  // false: as on Wayland
  bool onXWayland = false;

  void ShowMessage(QWidget* owner, const QString& caption, const QString& text) override {
    messages << caption + "|" + text;
    messageOwners.push_back(owner);
  }
  bool Confirm(QWidget*, const QString& caption, const QString& text) override {
    confirms << caption + "|" + text;
    return confirmAnswer;
  }
  QString AskText(QWidget*, const QString& title, const QString& prompt, const QString& initial,
                  const QString& description) override {
    prompts << title + "|" + prompt + "|" + initial + "|" + description;
    return answerText(initial);
  }
  QString AskSaveFileName(QWidget*, const QString& caption, const QString& suggested,
                          const QString& filter) override {
    saveDialogs << caption + "|" + suggested + "|" + filter;
    return saveFileAnswer;
  }
  int ExecModal(QDialog& dialog) override {
    ++execCount;
    dialog.show();
    if (answer) answer(dialog);
    if (dialog.isVisible()) dialog.close();
    return dialog.result();
  }
  void Beep() override { ++beeps; }
  void ShellOpen(const QString& document, const QString& parameters, const QString& directory,
                 int showMode) override {
    shellCalls.push_back({document, parameters, directory, showMode});
  }
  int ScreenWidth() override { return screenWidth; }
  QSize FullScreenClientSize() override { return fullScreenClient; }
  int Today() override { return today; }
  bool CanMoveWindows() override { return canMoveWindows; }
  bool OnXWayland() override { return onXWayland; }
};

}  // namespace marnelok::testing
