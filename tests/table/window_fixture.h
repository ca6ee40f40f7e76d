// SPDX-License-Identifier: GPL-3.0-or-later
// A real main window on the offscreen platform, with a private settings folder, a fake
// desktop and a store that counts and can refuse writes.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "canvas.h"
#include "demo_player.h"
#include "donate_form.h"
#include "donate_reminder.h"
#include "fake_desktop.h"
#include "fake_history.h"
#include "file_record_store.h"
#include "marnelok_form.h"
#include "paint_box.h"
#include "review_command.h"
#include "settings_store.h"
#include "table_painter.h"

namespace marnelok::testing {

// Reads what the window keeps to itself; the window names it as a friend.
class WindowProbe {
 public:
  static const GameState& State(const TMarnelokForm& f) { return f.game_.state(); }
  static bool TopFiveShown(const TMarnelokForm& f) { return f.painter_->TopFiveShown(); }
  static SettingsRecord Record(const TMarnelokForm& f) { return f.settings_.Record(); }
  static const TableGeometry& Geometry(const TMarnelokForm& f) { return f.options_.Geometry(); }
  static RandomSource& Random(TMarnelokForm& f) { return f.random_; }
  static QTimer& Timer1(TMarnelokForm& f) { return f.Timer1; }
  static TableHint& Hint(TMarnelokForm& f) { return f.hint_; }
  static DemoPlayer& Demo(TMarnelokForm& f) { return *f.demo_; }
  static ReviewCommand& Review(TMarnelokForm& f) { return *f.review_; }
};

class CountingStore : public RecordStore {
 public:
  explicit CountingStore(const QString& path) : file_(path) {}
  ReadStatus Read(std::vector<std::uint8_t>& value) override { return file_.Read(value); }
  WriteStatus Write(const SettingsRecord::Bytes& bytes) override {
    ++writes;
    return failWrites ? WriteStatus::kFailed : file_.Write(bytes);
  }
  int writes = 0;
  bool failWrites = false;

 private:
  FileRecordStore file_;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    store = std::make_unique<CountingStore>(RecordPath());
    donate = std::make_unique<DonateReminder>(desktop, dir.filePath("marnelok.ini"));
    donate->LoadDonateState();
  }
  void TearDown() override { form.reset(); }

  QString RecordPath() const { return dir.filePath("Marnelok/fRegInfo"); }

  void Start() {
    form = std::make_unique<TMarnelokForm>(desktop, *store, *donate, history);
    form->show();
    Flush();
  }
  // Started and given the keyboard, as the desktop gives it to a window it activates.
  void StartActive() {
    Start();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }
  // A key to whatever has the keyboard, as the player's keyboard sends it.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    Flush();
  }
  // Lets pending paints happen, so that the canvas shows what the player would see.
  void Flush() {
    QApplication::processEvents();
    Box().repaint();
  }
  const GameState& State() const { return WindowProbe::State(*form); }
  bool TopFiveShown() const { return WindowProbe::TopFiveShown(*form); }
  SettingsRecord Record() const { return WindowProbe::Record(*form); }
  const TableGeometry& Geometry() const { return WindowProbe::Geometry(*form); }
  void Seed(std::uint32_t seed) { WindowProbe::Random(*form) = RandomSource(seed); }
  PaintBox& Box() const { return *form->findChild<PaintBox*>(); }
  QTimer& Timer1() const { return WindowProbe::Timer1(*form); }
  TsplashForm* Splash() const { return form->findChild<TsplashForm*>(); }
  QAction* Action(const char* name) const {
    return form->findChild<QAction*>(QString::fromLatin1(name));
  }
  void Trigger(const char* name) {
    Action(name)->trigger();
    Flush();
  }
  void Press(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(&Box(), b, Qt::NoModifier, QPoint(x, y));
  }
  void Release(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(&Box(), b, Qt::NoModifier, QPoint(x, y));
  }
  void Click(int x, int y) {
    Press(x, y);
    Release(x, y);
  }
  // Middle of the card at board column c, row r.
  QPoint CellMiddle(int c, int r) const {
    const Point o = CellOrigin(Geometry(), c, r);
    return {o.x + Geometry().cardWidth / 2, o.y + Geometry().cardHeight / 2};
  }
  void PlaceAt(int c, int r) {
    const QPoint p = CellMiddle(c, r);
    Click(p.x(), p.y());
  }
  QColor Pixel(int x, int y) const { return Box().canvas().image().pixelColor(x, y); }
  SettingsRecord Stored() const {
    SettingsRecord r;
    FileRecordStore s(RecordPath());
    LoadSettings(r, s);
    return r;
  }

  QTemporaryDir dir;
  FakeDesktop desktop;
  FakeHistory history;
  std::unique_ptr<CountingStore> store;
  std::unique_ptr<DonateReminder> donate;
  std::unique_ptr<TMarnelokForm> form;
};

}  // namespace marnelok::testing
