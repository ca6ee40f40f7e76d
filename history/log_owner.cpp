// SPDX-License-Identifier: GPL-3.0-or-later
// Reading application ids from a database's header and from its write-ahead log's frames.
#include "log_owner.h"

#include <QFile>
#include <QtEndian>
#include <array>
#include <vector>

namespace marnelok::history {
namespace {

constexpr qint64 kIdOffset = 68;  // of the application id in the database's header
constexpr int kLogHeader = 32;
constexpr int kFrameHeader = 24;

std::uint32_t Big(const unsigned char* bytes) { return qFromBigEndian<std::uint32_t>(bytes); }

// The log's running checksum over `size` bytes (a multiple of 8), its words read in the byte
// order that the log's magic number names.
void Checksum(const unsigned char* bytes, std::size_t size, bool bigEndian,
              std::array<std::uint32_t, 2>& sum) {
  for (std::size_t k = 0; k + 8 <= size; k += 8) {
    const std::uint32_t a =
        bigEndian ? Big(bytes + k) : qFromLittleEndian<std::uint32_t>(bytes + k);
    const std::uint32_t b =
        bigEndian ? Big(bytes + k + 4) : qFromLittleEndian<std::uint32_t>(bytes + k + 4);
    sum[0] += a + sum[1];
    sum[1] += b + sum[0];
  }
}

}  // namespace

std::optional<std::uint32_t> FileApplicationId(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray header = file.read(100);
  if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
    return std::nullopt;
  return Big(reinterpret_cast<const unsigned char*>(header.constData()) + kIdOffset);
}

std::optional<std::uint32_t> LogApplicationId(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  std::array<unsigned char, kLogHeader> header{};
  if (file.read(reinterpret_cast<char*>(header.data()), kLogHeader) != kLogHeader)
    return std::nullopt;
  const std::uint32_t magic = Big(header.data());
  if (magic != 0x377f0682 && magic != 0x377f0683) return std::nullopt;
  const bool bigEndian = magic == 0x377f0683;
  const std::uint32_t pageSize = Big(header.data() + 8);
  if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0) return std::nullopt;
  std::array<std::uint32_t, 2> sum{};
  Checksum(header.data(), 24, bigEndian, sum);
  if (sum[0] != Big(header.data() + 24) || sum[1] != Big(header.data() + 28)) return std::nullopt;

  // Frames count while their salts are the header's and their checksums run on; a first page
  // counts once a frame that commits its transaction follows it.
  std::vector<unsigned char> frame(kFrameHeader + pageSize);
  std::optional<std::uint32_t> pending, committed;
  const auto frameSize = static_cast<qint64>(frame.size());
  while (file.read(reinterpret_cast<char*>(frame.data()), frameSize) == frameSize) {
    if (Big(frame.data() + 8) != Big(header.data() + 16) ||
        Big(frame.data() + 12) != Big(header.data() + 20))
      break;
    Checksum(frame.data(), 8, bigEndian, sum);
    Checksum(frame.data() + kFrameHeader, pageSize, bigEndian, sum);
    if (sum[0] != Big(frame.data() + 16) || sum[1] != Big(frame.data() + 20)) break;
    if (Big(frame.data()) == 1) pending = Big(frame.data() + kFrameHeader + kIdOffset);
    if (Big(frame.data() + 4) != 0) committed = pending;
  }
  return committed;
}

}  // namespace marnelok::history
