// The record kept in a file: round trip, odd sizes, things in the file's place, unusable folders.
#include "file_record_store.h"

#include <random>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "settings_store.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace marnelok {
namespace {

using Read = RecordStore::ReadStatus;

class FileRecordStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  QString PathIn(const QString& relative) const { return dir_.filePath(relative); }

  static void WriteRaw(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(data), data.size());
  }
  static QByteArray ReadRaw(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static SettingsRecord Patterned(std::uint8_t seed) {
    SettingsRecord r;
    for (std::size_t i = 0; i < SettingsRecord::kSize; ++i) {
      r.bytes()[i] = static_cast<std::uint8_t>(i * 7 + seed);
    }
    return r;
  }
  static SettingsRecord WithDefaults(SettingsRecord r) {
    r.ApplyDefaults();
    return r;
  }

  QTemporaryDir dir_;
};

TEST_F(FileRecordStoreTest, RoundTripIsByteExactAndCreatesTheFolder) {
  FileRecordStore store(PathIn("Marnelok/fRegInfo"));
  const SettingsRecord saved = Patterned(3);  // odd signature, spare and gap included
  EXPECT_EQ(SaveSettings(saved, store), std::nullopt);
  const QByteArray raw = ReadRaw(store.path());
  ASSERT_EQ(raw.size(), 180);
  EXPECT_TRUE(std::equal(raw.begin(), raw.end(), saved.bytes().begin(),
                         [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }));

  SettingsRecord loaded;
  LoadSettings(loaded, store);
  EXPECT_EQ(loaded.bytes(), saved.bytes());
}

TEST_F(FileRecordStoreTest, FirstStartCreatesTheFolderButNoFile) {
  FileRecordStore store(PathIn("a/b/Marnelok/fRegInfo"));
  SettingsRecord record;
  LoadSettings(record, store);
  EXPECT_TRUE(QDir(PathIn("a/b/Marnelok")).exists());
  EXPECT_FALSE(QFile::exists(store.path()));
  EXPECT_EQ(record.bytes(), WithDefaults(SettingsRecord{}).bytes());
  EXPECT_EQ(record.LastName(), "Please enter your name!");
}

TEST_F(FileRecordStoreTest, StoredLengthDecidesBetweenPartialWholeAndDefaults) {
  const SettingsRecord before = Patterned(1);
  for (int length : {0, 100, 180, 181, 4096}) {
    FileRecordStore store(PathIn("fRegInfo"));
    WriteRaw(store.path(), QByteArray(length, '\x5A'));
    SettingsRecord record = before;
    LoadSettings(record, store);
    SettingsRecord expected = before;
    if (length <= 180) {
      std::fill_n(expected.bytes().begin(), length, 0x5A);
    } else {
      expected = WithDefaults(before);
    }
    EXPECT_EQ(record.bytes(), expected.bytes()) << length << " bytes";
  }
}

TEST_F(FileRecordStoreTest, DirectoryInPlaceOfTheFileGivesDefaultsAndAFailedSave) {
  FileRecordStore store(PathIn("fRegInfo"));
  ASSERT_TRUE(QDir().mkpath(store.path()));
  std::vector<std::uint8_t> value;
  EXPECT_EQ(store.Read(value), Read::kInvalid);
  SettingsRecord record = Patterned(9);
  LoadSettings(record, store);
  EXPECT_EQ(record.bytes(), WithDefaults(Patterned(9)).bytes());
  EXPECT_EQ(SaveSettings(record, store), "Failed to set data for 'fRegInfo'");
  EXPECT_TRUE(QDir(store.path()).exists());
}

#ifdef Q_OS_UNIX
TEST_F(FileRecordStoreTest, APipeInPlaceOfTheFileIsNotWaitedOn) {
  FileRecordStore store(PathIn("fRegInfo"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(store.path()).constData(), 0600), 0);
  std::vector<std::uint8_t> value;
  EXPECT_EQ(store.Read(value), Read::kInvalid);
}
#endif

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
    probe.remove();  // running as root: permissions do not lock the folder, skip that part
  } else {
    paths.push_back(locked + "/fRegInfo");
  }

  for (const QString& path : paths) {
    FileRecordStore store(path);
    SettingsRecord record = Patterned(5);
    LoadSettings(record, store);
    EXPECT_EQ(record.bytes(), Patterned(5).bytes()) << path.toStdString();
    EXPECT_EQ(SaveSettings(record, store), std::nullopt) << path.toStdString();
  }
  EXPECT_EQ(ReadRaw(PathIn("plain")), "keep");
  EXPECT_EQ(ReadRaw(locked + "/fRegInfo"), QByteArray(180, '\x11'));
  QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner);
}

TEST_F(FileRecordStoreTest, DefaultPathFollowsXdgConfigHome) {
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  const bool had = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
  EXPECT_EQ(FileRecordStore::DefaultPath(), dir_.path() + "/Marnelok/fRegInfo");
  const QString fallback = QDir::homePath() + "/.config/Marnelok/fRegInfo";
  qputenv("XDG_CONFIG_HOME", "relative/dir");
  EXPECT_EQ(FileRecordStore::DefaultPath(), fallback);
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(FileRecordStore::DefaultPath(), fallback);
  if (had) qputenv("XDG_CONFIG_HOME", saved);
}

// Whatever bytes lie in the file, loading follows the length rule and the record stays
// readable; what was loaded is written back unchanged.
TEST_F(FileRecordStoreTest, RandomStoredValuesLoadSafely) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> length_of(0, 200);
  std::uniform_int_distribution<int> byte_of(0, 255);
  FileRecordStore store(PathIn("fRegInfo"));
  for (int round = 0; round < 3000; ++round) {
    const int length = length_of(random);
    QByteArray value(length, '\0');
    for (char& b : value) b = static_cast<char>(byte_of(random));
    SettingsRecord before;
    for (std::uint8_t& b : before.bytes()) b = static_cast<std::uint8_t>(byte_of(random));
    WriteRaw(store.path(), value);

    SettingsRecord record = before;
    LoadSettings(record, store);
    SettingsRecord expected = before;
    if (length <= 180) {
      std::copy(value.begin(), value.end(), expected.bytes().begin());
    } else {
      expected.ApplyDefaults();
    }
    ASSERT_EQ(record.bytes(), expected.bytes()) << "round " << round;
    EXPECT_LE(record.Signature().size(), 9u);
    EXPECT_LE(record.LastName().size(), 23u);
    for (int k = 1; k <= 5; ++k) EXPECT_LE(record.HighName(k).size(), 23u);

    ASSERT_EQ(SaveSettings(record, store), std::nullopt);
    SettingsRecord again;
    LoadSettings(again, store);
    ASSERT_EQ(again.bytes(), record.bytes()) << "round " << round;
  }
}

}  // namespace
}  // namespace marnelok
