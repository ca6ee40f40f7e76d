// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: --deal N, --help and --version, beside Qt's own options.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace marnelok {

struct CommandLine {
  enum class Action { kRun, kHelp, kVersion, kError };
  Action action = Action::kRun;
  std::optional<std::uint32_t> deal;  // --deal N: the deal to start with
  std::string error;                  // what was wrong, for kError
};

// Reads the arguments after the program's name. Qt's standard options (-platform NAME,
// -style NAME, -reverse and the like, with one dash or two) are left for Qt; anything else
// that is not the program's own is an error. Read before Qt starts, so that --help, --version
// and a mistake are answered without a display.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Prints the help, the version or the error for a command line that does not run the game,
// and gives the exit status: 0, or 2 for an error.
int AnswerCommandLine(const CommandLine& line, const std::string& program, std::ostream& out,
                      std::ostream& err);

}  // namespace marnelok
