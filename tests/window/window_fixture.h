// A real main window on the offscreen platform, with a private settings folder, a fake
// desktop and a store that counts and can refuse writes.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "canvas.h"
#include "donate_form.h"
#include "donate_reminder.h"
#include "fake_desktop.h"
#include "file_record_store.h"
#include "marnelok_form.h"
#include "paint_box.h"
#include "settings_store.h"

namespace marnelok::testing {

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
    form = std::make_unique<TMarnelokForm>(desktop, *store, *donate);
    form->show();
    Flush();
  }
  // Lets pending paints happen, so that the canvas shows what the player would see.
  void Flush() {
    QApplication::processEvents();
    form->paintBox().repaint();
  }
  QAction* Action(const char* name) const { return form->action(name); }
  void Trigger(const char* name) {
    Action(name)->trigger();
    Flush();
  }
  void Press(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(&form->paintBox(), b, Qt::NoModifier, QPoint(x, y));
  }
  void Release(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(&form->paintBox(), b, Qt::NoModifier, QPoint(x, y));
  }
  void Click(int x, int y) {
    Press(x, y);
    Release(x, y);
  }
  // Middle of the card at board column c, row r.
  QPoint CellMiddle(int c, int r) const {
    const Point o = CellOrigin(form->tableGeometry(), c, r);
    return {o.x + form->tableGeometry().cardWidth / 2, o.y + form->tableGeometry().cardHeight / 2};
  }
  void PlaceAt(int c, int r) {
    const QPoint p = CellMiddle(c, r);
    Click(p.x(), p.y());
  }
  QColor Pixel(int x, int y) const { return form->paintBox().canvas().image().pixelColor(x, y); }
  SettingsRecord Stored() const {
    SettingsRecord r;
    FileRecordStore s(RecordPath());
    LoadSettings(r, s);
    return r;
  }

  QTemporaryDir dir;
  FakeDesktop desktop;
  std::unique_ptr<CountingStore> store;
  std::unique_ptr<DonateReminder> donate;
  std::unique_ptr<TMarnelokForm> form;
};

}  // namespace marnelok::testing
