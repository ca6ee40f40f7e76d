// A table window stand-in that records every request of the rules, in order.
#pragma once

#include <string>
#include <vector>

#include "table_requests.h"

namespace marnelok::testing {

class RecordingRequests : public NullTableRequests {
 public:
  std::vector<std::string> calls;
  bool undoEnabled = false;
  int beeps = 0;

  void DrawCell(int code, int column, int row) override {
    calls.push_back("cell " + std::to_string(code) + " " + std::to_string(column) + "," +
                    std::to_string(row));
  }
  void DrawScorePanel() override { calls.push_back("panel"); }
  void DrawWinBanner() override { calls.push_back("banner"); }
  void CheckHighScore() override { calls.push_back("highscore"); }
  void InvalidateTable() override { calls.push_back("invalidate"); }
  void SetUndoEnabled(bool enabled) override {
    undoEnabled = enabled;
    calls.push_back(enabled ? "undo on" : "undo off");
  }
  void Beep() override {
    ++beeps;
    calls.push_back("beep");
  }

  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call;
    return n;
  }
};

}  // namespace marnelok::testing
