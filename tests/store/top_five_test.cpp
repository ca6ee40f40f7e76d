// SPDX-License-Identifier: GPL-3.0-or-later
// Entering a score into the Top 5 list, with a prompt that answers as the test says.
#include "top_five.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace marnelok {
namespace {

// Answers with `answer`, or cancels (returns the initial text) when there is none.
class ScriptedPrompt : public NamePrompt {
 public:
  explicit ScriptedPrompt(std::optional<std::string> answer) : answer_(std::move(answer)) {}
  std::string AskName(const std::string& initial) override {
    initials.push_back(initial);
    return answer_.value_or(initial);
  }
  std::vector<std::string> initials;

 private:
  std::optional<std::string> answer_;
};

using Scores = std::array<int, 5>;
using Names = std::array<std::string, 5>;

SettingsRecord ListOf(const Scores& scores, const Names& names, const std::string& lastName) {
  SettingsRecord r;
  for (int k = 1; k <= 5; ++k) {
    r.SetHighScore(k, scores[k - 1]);
    r.SetHighName(k, names[k - 1]);
  }
  r.SetLastName(lastName);
  return r;
}

TEST(EnterHighScore, InsertsAtTheBestRankedLowerEntry) {
  const Scores kList{100, 80, 60, 40, 20};
  const Names kNames{"A", "B", "C", "D", "E"};
  const std::string k30(30, 'n'), k23(23, 'n');
  struct Case {
    const char* what;
    Scores list;
    int total;
    std::optional<std::string> answer;
    int slot;
    Scores scores;
    Names names;
    std::string lastName;
  };
  // clang-format off
  const Case cases[] = {
      {"tie goes below", kList, 60, "Ann",
       4, {100, 80, 60, 60, 40}, {"A", "B", "C", "Ann", "D"}, "Ann"},
      {"equal to entry 5", kList, 20, "Ann", 0, kList, kNames, "Last"},
      {"below entry 5", kList, 19, "Ann", 0, kList, kNames, "Last"},
      {"fresh list, 0", {0, 0, 0, 0, 0}, 0, "Ann", 0, {0, 0, 0, 0, 0}, kNames, "Last"},
      {"above all", kList, 101, "Ann",
       1, {101, 100, 80, 60, 40}, {"Ann", "A", "B", "C", "D"}, "Ann"},
      {"slot 5", kList, 21, "Ann",
       5, {100, 80, 60, 40, 21}, {"A", "B", "C", "D", "Ann"}, "Ann"},
      {"long name", kList, 90, k30,
       2, {100, 90, 80, 60, 40}, {"A", k23, "B", "C", "D"}, k23},
      {"empty name", kList, 90, "",
       2, {100, 90, 80, 60, 40}, {"A", "", "B", "C", "D"}, ""},
      {"cancel", kList, 50, std::nullopt,
       4, {100, 80, 60, 50, 40}, {"A", "B", "C", "Last", "D"}, "Last"},
      {"unordered", {90, 50, 95, 70, 30}, 60, "Ann",
       2, {90, 60, 50, 95, 70}, {"A", "Ann", "B", "C", "D"}, "Ann"},
      {"negative", {-5, -9, 0, 0, 0}, -7, "Ann",
       2, {-5, -7, -9, 0, 0}, {"A", "Ann", "B", "C", "D"}, "Ann"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SettingsRecord record = ListOf(c.list, kNames, "Last");
    ScriptedPrompt prompt(c.answer);
    EXPECT_EQ(EnterHighScore(record, c.total, prompt), c.slot);
    EXPECT_EQ(prompt.initials,
              c.slot == 0 ? std::vector<std::string>{} : std::vector<std::string>{"Last"});
    for (int k = 1; k <= 5; ++k) {
      EXPECT_EQ(record.HighScore(k), c.scores[k - 1]) << "entry " << k;
      EXPECT_EQ(record.HighName(k), c.names[k - 1]) << "entry " << k;
    }
    EXPECT_EQ(record.LastName(), c.lastName);
  }
}

TEST(EnterHighScore, CancelAtTheFirstStartUsesTheDefaultPrompt) {
  SettingsRecord record;
  record.ApplyDefaults();  // what a first load finds: nothing stored yet
  ScriptedPrompt cancel(std::nullopt);
  EXPECT_EQ(EnterHighScore(record, 42, cancel), 1);
  EXPECT_EQ(record.HighName(1), "Please enter your name!");
  EXPECT_EQ(record.LastName(), "Please enter your name!");
  EXPECT_EQ(record.HighName(2), "None");
}

TEST(ResetHighScores, ClearsTheListButKeepsTheNameAndOptions) {
  SettingsRecord record = ListOf({100, 80, 60, 40, 20}, {"A", "B", "C", "D", "E"}, "Kim");
  record.SetLargeCards(1);
  ResetHighScores(record);
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(record.HighScore(k), 0);
    EXPECT_EQ(record.HighName(k), "None");
  }
  EXPECT_EQ(record.LastName(), "Kim");
  EXPECT_EQ(record.LargeCards(), 1);
  ScriptedPrompt prompt("X");
  EXPECT_EQ(EnterHighScore(record, 0, prompt), 0);
}

}  // namespace
}  // namespace marnelok
