// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: the program's own options, Qt's passed through, and every mistake
// answered with a message and exit status 2.
#include "command_line.h"

#include <gtest/gtest.h>

namespace marnelok {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, OwnOptionsQtOptionsAndMistakes) {
  const struct {
    std::vector<std::string> args;
    Action action;
    std::optional<std::uint32_t> deal;
    std::string error;
  } cases[] = {
      {{}, Action::kRun, std::nullopt, ""},
      {{"--deal", "42"}, Action::kRun, 42, ""},
      {{"--deal=4294967295"}, Action::kRun, 4294967295u, ""},
      {{"-platform", "offscreen", "--deal", "0", "--style=fusion", "-reverse"},
       Action::kRun,
       0,
       ""},
      {{"--platform", "xcb", "-qwindowtitle", "-h", "--"}, Action::kRun, std::nullopt, ""},
      {{"--deal", "7", "--help"}, Action::kHelp, std::nullopt, ""},
      {{"-h"}, Action::kHelp, std::nullopt, ""},
      {{"--version"}, Action::kVersion, std::nullopt, ""},
      {{"--deal"}, Action::kError, std::nullopt, "option '--deal' needs a deal number"},
      {{"--deal", "4294967296"},
       Action::kError,
       std::nullopt,
       "'4294967296' is not a deal number: give a whole number from 0 to 4294967295"},
      {{"--deal=-1"},
       Action::kError,
       std::nullopt,
       "'-1' is not a deal number: give a whole number from 0 to 4294967295"},
      {{"--deal", "twelve"},
       Action::kError,
       std::nullopt,
       "'twelve' is not a deal number: give a whole number from 0 to 4294967295"},
      {{"--dael", "1"}, Action::kError, std::nullopt, "unknown option '--dael'"},
      {{"-v"}, Action::kError, std::nullopt, "unknown option '-v'"},
      {{"game.txt"}, Action::kError, std::nullopt, "unexpected argument 'game.txt'"},
      {{"--", "--deal"}, Action::kError, std::nullopt, "unexpected argument '--deal'"},
      {{"-platform"}, Action::kError, std::nullopt, "option '-platform' needs a value"},
      {{"--daily", "-style", "fusion"}, Action::kRun, std::nullopt, ""},
      {{"--daily", "--deal", "3"},
       Action::kError,
       std::nullopt,
       "options '--deal' and '--daily' cannot be combined"},
      {{"--daily=1"}, Action::kError, std::nullopt, "unknown option '--daily=1'"},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const auto& a : c.args) shown += a + " ";
    const CommandLine line = ParseCommandLine(c.args);
    EXPECT_EQ(line.action, c.action) << shown;
    if (c.action == Action::kRun) {
      EXPECT_EQ(line.deal, c.deal) << shown;
      EXPECT_EQ(line.daily, !c.args.empty() && c.args[0] == "--daily") << shown;
    }
    EXPECT_EQ(line.error, c.error) << shown;
  }
}

TEST(CommandLine, AnswersAndExitStatus) {
  const std::string program = ProgramName("/usr/games/marnelok");
  EXPECT_EQ(program, "marnelok");
  const CommandLineAnswer error = AnswerCommandLine(ParseCommandLine({"--bogus"}), program);
  EXPECT_EQ(error.status, 2);
  EXPECT_TRUE(error.toError);
  EXPECT_EQ(error.text,
            "marnelok: unknown option '--bogus'\n"
            "Try 'marnelok --help' for more information.\n");
  const CommandLineAnswer help = AnswerCommandLine(ParseCommandLine({"--help"}), program);
  EXPECT_EQ(help.status, 0);
  EXPECT_FALSE(help.toError);
  EXPECT_NE(help.text.find("--deal N"), std::string::npos);
  EXPECT_NE(help.text.find("--daily "), std::string::npos);
  const CommandLineAnswer version = AnswerCommandLine(ParseCommandLine({"--version"}), program);
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.text, "Marnelok 8.0\n");
}

}  // namespace
}  // namespace marnelok
