// SPDX-License-Identifier: GPL-3.0-or-later
// The place where the settings record is kept between runs: a file here, the registry on Windows.
#pragma once

#include <cstdint>
#include <vector>

#include "settings_record.h"

namespace marnelok {

// Each call opens the place, does its work and lets go of it again; nothing stays open. A store
// object lives for one run of the program and remembers what the load and save rules need
// to know about that run.
class RecordStore {
 public:
  enum class ReadStatus {
    kOk,          // value holds the stored bytes (at most SettingsRecord::kSize of them)
    kMissing,     // the place is there but holds no value yet
    kInvalid,     // a value is there but cannot be used: not a plain value, or too long
    kUnavailable  // the place cannot be opened or created
  };
  enum class WriteStatus {
    kOk,
    kUnavailable,  // the place cannot be opened or created; nothing was written
    kFailed        // the place was opened but the write did not happen
  };

  virtual ~RecordStore() = default;

  virtual ReadStatus Read(std::vector<std::uint8_t>& value) = 0;
  virtual WriteStatus Write(const SettingsRecord::Bytes& bytes) = 0;

  // What this run has seen of the store so far; kept by LoadSettings and SaveSettings.
  struct Run {
    bool loaded = false;               // a load has run
    bool unavailableReported = false;  // a save found the place unusable and said so
  };
  Run& run() { return run_; }

 private:
  Run run_;
};

}  // namespace marnelok
