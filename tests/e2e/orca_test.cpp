// SPDX-License-Identifier: GPL-3.0-or-later
// Plays by keys while Debian's Orca screen reader runs, its speech replaced by its debug log,
// and checks what it says: the first card, each card placed with its cell and the next card,
// a completed row's hand and the total, the cursor's cell, the hint's cell and, on demand, the
// current card and the total.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "accessibility_bus.h"
#include "x_session.h"

namespace marnelok::e2e {
namespace {

// Orca with its log in `folder`: what it says, line by line.
class Orca {
 public:
  explicit Orca(const QString& folder) : log_(folder + QStringLiteral("/orca.log")) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(MARNELOK_ATSPI_PYTHON),
                   {QStringLiteral(MARNELOK_ORCA_LAUNCHER), log_, folder});
  }
  ~Orca() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished(2000);
  }
  static QString Missing() {
    QProcess probe;
    probe.start(QStringLiteral(MARNELOK_ATSPI_PYTHON),
                {QStringLiteral("-c"), QStringLiteral("import orca.orca")});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
      return QStringLiteral("Debian's orca package is missing");
    return {};
  }
  // The first thing said after the last one taken that matches `pattern`, waited for; its
  // match, or an invalid one.
  QRegularExpressionMatch Await(const QString& pattern, int timeoutMs = 15000) {
    const QRegularExpression re(pattern);
    for (int waited = 0; waited <= timeoutMs; waited += 100) {
      const QStringList said = Said();
      for (qsizetype i = taken_; i < said.size(); ++i) {
        const QRegularExpressionMatch m = re.match(said[i]);
        if (m.hasMatch()) {
          taken_ = i + 1;
          return m;
        }
      }
      XSession::Wait(100);
    }
    ADD_FAILURE() << "Orca did not say /" << pattern.toStdString() << "/; it said:\n"
                  << Said().mid(taken_).join(u'\n').toStdString();
    return {};
  }

 private:
  QStringList Said() const {
    QFile file(log_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    static const QRegularExpression line(QStringLiteral("SPEECH OUTPUT: '(.*)' ?\\{"));
    QStringList said;
    for (const QByteArray& text : file.readAll().split('\n'))
      if (const auto m = line.match(QString::fromUtf8(text)); m.hasMatch()) said << m.captured(1);
    return said;
  }

  QString log_;
  QProcess process_;
  qsizetype taken_ = 0;
};

const QString kCard = QStringLiteral(
    "((?:Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|"
    "Queen|King) of (?:Hearts|Clubs|Diamonds|Spades))");

TEST(EndToEnd, OrcaSpeaksEveryMove) {
  ASSERT_FALSE(g_program.isEmpty());
  ASSERT_EQ(AccessibilityBus::Missing().toStdString(), "");
  ASSERT_EQ(Orca::Missing().toStdString(), "");

  AccessibilityBus bus;
  ASSERT_TRUE(bus.Enable()) << "the accessibility bus did not start";
  QTemporaryDir config;
  XSession x(g_program, config.path());
  const QString window = x.WaitForWindow(QStringLiteral("Marnelok for Windows"), 20000);
  ASSERT_FALSE(window.isEmpty()) << "the main window did not appear";
  x.Wait(1800);  // the splash goes by itself after 1500 ms
  QTemporaryDir folder;
  Orca orca(folder.path());
  ASSERT_TRUE(orca.Await(QStringLiteral("^Screen reader on")).hasMatch());
  x.Xdotool({"windowfocus", "--sync", window});
  orca.Await(QStringLiteral("^Marnelok table"));

  x.Key(QStringLiteral("Return"));
  QString next = orca.Await(QStringLiteral("New game\\. First card: ") + kCard).captured(1);
  x.Key(QStringLiteral("Left"));  // shows the cursor, and the screen reader follows it
  orca.Await(QStringLiteral("Row 1, column 1\\.$"));
  for (int column = 1; column <= 5; ++column) {
    x.Key(QStringLiteral("Return"));
    const auto placed = orca.Await(kCard + QStringLiteral(" to row 1, column (\\d)\\.(?: Next: ") +
                                   kCard + QStringLiteral("\\.)?(.*)$"));
    EXPECT_EQ(placed.captured(1), next) << "not the card that was told as the next one";
    EXPECT_EQ(placed.captured(2).toInt(), column);
    next = placed.captured(3);
    if (column < 5) {
      EXPECT_EQ(placed.captured(4), "");
      x.Key(QStringLiteral("Right"));
      orca.Await(QStringLiteral("Row 1, column %1\\.$").arg(column + 1));
    } else {
      // The row is complete: its hand, and a total that is its points ("None" scores none).
      const auto line =
          QRegularExpression(
              QStringLiteral("^ Row 1: [A-Za-z ]+?(?: \\((\\d+)\\))?\\. Total (\\d+)\\.$"))
              .match(placed.captured(4));
      ASSERT_TRUE(line.hasMatch()) << placed.captured(0).toStdString();
      EXPECT_EQ(line.captured(1).toInt(), line.captured(2).toInt());
    }
  }
  x.Key(QStringLiteral("Down"));
  orca.Await(QStringLiteral("Row 2, column 5\\.$"));
  x.Key(QStringLiteral("h"));
  orca.Await(QStringLiteral("Hint: row [2-5], column [1-5]\\.$"));
  x.Key(QStringLiteral("c"));
  orca.Await(QStringLiteral("Current card: ") + next + QStringLiteral("\\. Total \\d+\\.$"));
  EXPECT_TRUE(x.Running());
}

}  // namespace
}  // namespace marnelok::e2e
