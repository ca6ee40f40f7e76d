// The record kept in a file: round trip, odd sizes, things in the file's place, unusable folders.
#include "file_record_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "settings_store.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace marnelok {
namespace {

void WriteRaw(const QString& path, const QByteArray& data) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(data), data.size());
}

QByteArray ReadRaw(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray Raw(const SettingsRecord& r) {
  return QByteArray(reinterpret_cast<const char*>(r.bytes().data()), SettingsRecord::kSize);
}

// Every byte differs from its neighbours, from the stored test values and from the defaults.
SettingsRecord Patterned() {
  SettingsRecord r;
  for (std::size_t i = 0; i < SettingsRecord::kSize; ++i) r.bytes()[i] = std::uint8_t(i * 7 + 3);
  return r;
}

SettingsRecord WithDefaults(SettingsRecord r) {
  r.ApplyDefaults();
  return r;
}

class FileRecordStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString PathIn(const QString& relative) const { return dir_.filePath(relative); }
  QTemporaryDir dir_;
};

TEST_F(FileRecordStoreTest, FirstStartThenByteExactRoundTrip) {
  FileRecordStore store(PathIn("a/Marnelok/fRegInfo"));
  SettingsRecord record;
  LoadSettings(record, store);  // creates the folder, but writes no file
  EXPECT_TRUE(QDir(PathIn("a/Marnelok")).exists());
  EXPECT_FALSE(QFile::exists(store.path()));
  EXPECT_EQ(record.bytes(), WithDefaults(SettingsRecord{}).bytes());

  const SettingsRecord saved = Patterned();  // odd signature, spare and gap included
  EXPECT_EQ(SaveSettings(saved, store), std::nullopt);
  EXPECT_EQ(ReadRaw(store.path()), Raw(saved));
  LoadSettings(record, store);
  EXPECT_EQ(record.bytes(), saved.bytes());
}

TEST_F(FileRecordStoreTest, StoredLengthDecidesBetweenPartialWholeAndDefaults) {
  FileRecordStore store(PathIn("fRegInfo"));
  for (int length : {0, 100, 180, 181, 4096}) {
    WriteRaw(store.path(), QByteArray(length, '\x5A'));
    SettingsRecord record = Patterned();
    LoadSettings(record, store);
    SettingsRecord expected = Patterned();
    if (length <= 180) {
      std::fill_n(expected.bytes().begin(), length, 0x5A);
    } else {
      expected.ApplyDefaults();
    }
    EXPECT_EQ(record.bytes(), expected.bytes()) << length << " bytes";
  }
}

TEST_F(FileRecordStoreTest, NonFileInPlaceOfTheRecordGivesDefaultsAndAFailedSave) {
  FileRecordStore store(PathIn("fRegInfo"));
  ASSERT_TRUE(QDir().mkpath(store.path()));
  SettingsRecord record = Patterned();
  LoadSettings(record, store);
  EXPECT_EQ(record.bytes(), WithDefaults(Patterned()).bytes());
  EXPECT_EQ(SaveSettings(record, store), "Failed to set data for 'fRegInfo'");
  EXPECT_TRUE(QDir(store.path()).exists());

#ifdef Q_OS_UNIX
  // Reading a pipe would wait for a writer that never comes.
  FileRecordStore pipe(PathIn("pipe"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe.path()).constData(), 0600), 0);
  std::vector<std::uint8_t> value;
  EXPECT_EQ(pipe.Read(value), RecordStore::ReadStatus::kInvalid);
#endif
}

// The folder cannot be created (it would lie under a regular file) or cannot be written:
// loads leave the record alone, saves write nothing and report nothing.
TEST_F(FileRecordStoreTest, UnusableFolderLeavesRecordAndDiskAlone) {
  WriteRaw(PathIn("plain"), "keep");
  std::vector<QString> paths{PathIn("plain/sub/fRegInfo")};
  const QString locked = PathIn("locked");
  ASSERT_TRUE(QDir().mkpath(locked));
  WriteRaw(locked + "/fRegInfo", QByteArray(180, '\x11'));
  QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  QFile probe(locked + "/probe");
  if (probe.open(QIODevice::WriteOnly)) {
    probe.remove();  // root ignores the permissions: only the first path is unusable
  } else {
    paths.push_back(locked + "/fRegInfo");
  }

  for (const QString& path : paths) {
    FileRecordStore store(path);
    SettingsRecord record = Patterned();
    LoadSettings(record, store);
    EXPECT_EQ(record.bytes(), Patterned().bytes()) << path.toStdString();
    EXPECT_EQ(SaveSettings(WithDefaults(record), store), std::nullopt) << path.toStdString();
  }
  EXPECT_EQ(ReadRaw(PathIn("plain")), "keep");
  EXPECT_EQ(ReadRaw(locked + "/fRegInfo"), QByteArray(180, '\x11'));
  QFile::setPermissions(locked,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(FileRecordStoreTest, UnreadableRecordIsNeverOverwritten) {
  const QString path = PathIn("Marnelok/fRegInfo");
  ASSERT_TRUE(QDir().mkpath(PathIn("Marnelok")));
  WriteRaw(path, QByteArray(180, '\x22'));
  QFile::setPermissions(path, QFileDevice::Permissions());
  QFile probe(path);
  if (probe.open(QIODevice::ReadOnly)) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    GTEST_SKIP() << "permissions do not bind this user (root): nothing is unreadable";
  }
  FileRecordStore store(path);
  SettingsRecord record = Patterned();
  LoadSettings(record, store);
  EXPECT_EQ(record.bytes(), Patterned().bytes());  // left as it was, not defaulted
  EXPECT_EQ(SaveSettings(WithDefaults(record), store), std::nullopt);
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  EXPECT_EQ(ReadRaw(path), QByteArray(180, '\x22'));  // the stored list survives
}

TEST_F(FileRecordStoreTest, DefaultPathFollowsXdgConfigHome) {
  const QString fallback = QDir::homePath() + "/.config/Marnelok/fRegInfo";
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
  EXPECT_EQ(FileRecordStore::DefaultPath(), dir_.path() + "/Marnelok/fRegInfo");
  qputenv("XDG_CONFIG_HOME", "relative/dir");
  EXPECT_EQ(FileRecordStore::DefaultPath(), fallback);
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(FileRecordStore::DefaultPath(), fallback);
}

// Whatever bytes lie in the file, loading follows the length rule and the record stays
// readable.
TEST_F(FileRecordStoreTest, RandomStoredValuesLoadSafely) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> length_of(0, 200), byte_of(0, 255);
  FileRecordStore store(PathIn("fRegInfo"));
  for (int round = 0; round < 3000; ++round) {
    QByteArray value(length_of(random), '\0');
    for (char& b : value) b = static_cast<char>(byte_of(random));
    SettingsRecord before;
    for (std::uint8_t& b : before.bytes()) b = static_cast<std::uint8_t>(byte_of(random));
    WriteRaw(store.path(), value);

    SettingsRecord record = before;
    LoadSettings(record, store);
    SettingsRecord expected = before;
    if (value.size() <= 180) {
      std::copy(value.begin(), value.end(), expected.bytes().begin());
    } else {
      expected.ApplyDefaults();
    }
    ASSERT_EQ(record.bytes(), expected.bytes()) << "round " << round;
    EXPECT_LE(record.Signature().size(), 9u);
    EXPECT_LE(record.LastName().size(), 23u);
    for (int k = 1; k <= 5; ++k) EXPECT_LE(record.HighName(k).size(), 23u);
  }
}

}  // namespace
}  // namespace marnelok
