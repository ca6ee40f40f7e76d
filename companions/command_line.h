// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: --deal N, --daily, --help and --version, beside Qt's own options.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace marnelok {

struct CommandLine {
  enum class Action { kRun, kHelp, kVersion, kError };
  Action action = Action::kRun;
  std::optional<std::uint32_t> deal;  // --deal N: the deal to start with
  std::string error;                  // what was wrong, for kError
  bool daily = false;                 // --daily: start with today's daily deal
};

// Reads the arguments after the program's name. Qt's standard options (-platform NAME,
// -style NAME, -reverse and the like, with one dash or two) are left for Qt; anything else
// that is not the program's own is an error. Read before Qt starts, so that --help, --version
// and a mistake are answered without a display.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What a command line that does not run the game answers: the help or the version on the
// standard output with status 0, or the error on the standard error with status 2.
struct CommandLineAnswer {
  int status = 0;
  std::string text;
  bool toError = false;  // the text goes to the standard error
};
// Gives the help's English text in the player's language (UTF-8), or the text itself.
using HelpTranslation = std::function<std::string(const char* english)>;
// The help is in the player's language when `translate` is given; the version and the errors,
// which scripts may read, stay as they are.
CommandLineAnswer AnswerCommandLine(const CommandLine& line, const std::string& program,
                                    const HelpTranslation& translate = {});

// The program's name as the user typed it, without its folder: what messages begin with.
std::string ProgramName(const char* argv0);

}  // namespace marnelok
