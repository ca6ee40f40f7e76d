// A desktop that answers dialogs from the test and records what the windows asked of it.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "desktop.h"

namespace marnelok::testing {

class FakeDesktop : public Desktop {
 public:
  QStringList messages;   // "caption|text"
  QStringList prompts;    // "title|prompt|initial"
  QStringList confirms;   // "caption|text"
  QStringList opened;     // documents handed to the shell
  int beeps = 0;
  int modalRuns = 0;

  bool confirmAnswer = true;
  std::function<QString(const QString& initial)> answerText = [](const QString& i) { return i; };
  std::function<int(QDialog&)> answerModal = [](QDialog& d) {
    d.close();
    return 0;
  };
  QSize fullScreenClient{1280, 990};
  int screenWidth = 1280;
  int today = 46000;

  void ShowMessage(QWidget*, const QString& caption, const QString& text) override {
    messages << caption + "|" + text;
  }
  bool Confirm(QWidget*, const QString& caption, const QString& text) override {
    confirms << caption + "|" + text;
    return confirmAnswer;
  }
  QString AskText(QWidget*, const QString& title, const QString& prompt,
                  const QString& initial) override {
    prompts << title + "|" + prompt + "|" + initial;
    return answerText(initial);
  }
  int ExecModal(QDialog& dialog) override {
    ++modalRuns;
    return answerModal(dialog);
  }
  void Beep() override { ++beeps; }
  void ShellOpen(const QString& document, const QString& parameters, const QString& directory,
                 int showMode) override {
    opened << document;
    lastParameters = parameters;
    lastDirectory = directory;
    lastShowMode = showMode;
  }
  int ScreenWidth() override { return screenWidth; }
  QSize FullScreenClientSize() override { return fullScreenClient; }
  int Today() override { return today; }

  QString lastParameters, lastDirectory;
  int lastShowMode = 0;
};

}  // namespace marnelok::testing
