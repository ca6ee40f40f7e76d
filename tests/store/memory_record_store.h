// A record store in memory whose answers a test sets, to reach every load and save rule.
#pragma once

#include <optional>
#include <vector>

#include "record_store.h"

namespace marnelok {

class MemoryRecordStore : public RecordStore {
 public:
  ReadStatus read_status = ReadStatus::kMissing;
  std::vector<std::uint8_t> value;
  WriteStatus write_status = WriteStatus::kOk;
  std::optional<SettingsRecord::Bytes> written;

  ReadStatus Read(std::vector<std::uint8_t>& out) override {
    out = value;
    return read_status;
  }
  WriteStatus Write(const SettingsRecord::Bytes& bytes) override {
    if (write_status == WriteStatus::kOk) written = bytes;
    return write_status;
  }
};

}  // namespace marnelok
