// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the command line.
#include "command_line.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <string_view>

#include "deal_number.h"

namespace marnelok {
namespace {

// Qt's standard options as QApplication and its platforms read them, without their dash.
constexpr std::array<std::string_view, 16> kQtOptionsWithValue{
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "title",         "icon",
    "style",           "stylesheet",         "name",          "visual"};
constexpr std::array<std::string_view, 6> kQtFlags{"reverse", "widgetcount", "nograb",
                                                   "dograb",  "sync",        "testability"};
// Qt reads these only as -option=value.
constexpr std::array<std::string_view, 7> kQtOptionsWithEquals{
    "style=", "stylesheet=", "session=", "qmljsdebugger=", "dialogs=", "fontengine=", "darkmode="};

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// One text, so that a translation may arrange it as its language needs; %1 is the program.
constexpr const char* kHelpText = QT_TRANSLATE_NOOP(
    "marnelok::CommandLine",
    "Usage: %1 [--deal N | --daily] [Qt options]\n"
    "Poker solitaire on a five-by-five grid.\n\n"
    "  --deal N     start with deal number N (0 to 4294967295) dealt, in the game\n"
    "               kind chosen last\n"
    "  --daily      start with today's daily deal, the same for every player on\n"
    "               the same date\n"
    "  -h, --help   show this help and exit\n"
    "  --version    show the version and exit\n\n"
    "Qt's standard options, such as -platform NAME or -style NAME, work as well.\n");

CommandLine Error(std::string text) {
  return {CommandLine::Action::kError, std::nullopt, std::move(text)};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view arg = arguments[i];
    if (arg == "-h" || arg == "--help") return {CommandLine::Action::kHelp, {}, {}};
    if (arg == "--version") return {CommandLine::Action::kVersion, {}, {}};
    if (arg == "--deal" || arg.starts_with("--deal=")) {
      std::string_view value;
      if (arg != "--deal")
        value = arg.substr(7);
      else if (i + 1 < arguments.size())
        value = arguments[++i];
      else
        return Error("option '--deal' needs a deal number");
      line.deal = ParseDealNumber(value);
      if (!line.deal)
        // Appended rather than added: GCC 12 warns wrongly (-Wrestrict) on "'" + std::string.
        return Error(std::string(1, '\'').append(value).append(
            "' is not a deal number: give a whole number from 0 to 4294967295"));
      continue;
    }
    if (arg == "--daily") {
      line.daily = true;
      continue;
    }
    if (arg == "--") {
      if (i + 1 < arguments.size()) return Error("unexpected argument '" + arguments[i + 1] + "'");
      break;
    }
    if (!arg.starts_with('-') || arg == "-")
      return Error("unexpected argument '" + std::string(arg) + "'");
    const std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
    if (Among(kQtFlags, name)) continue;
    if (Among(kQtOptionsWithValue, name)) {
      if (++i == arguments.size()) return Error("option '" + std::string(arg) + "' needs a value");
      continue;
    }
    const auto equals = name.find('=');
    if (equals != std::string_view::npos && Among(kQtOptionsWithEquals, name.substr(0, equals + 1)))
      continue;
    return Error("unknown option '" + std::string(arg) + "'");
  }
  if (line.daily && line.deal) return Error("options '--deal' and '--daily' cannot be combined");
  return line;
}

CommandLineAnswer AnswerCommandLine(const CommandLine& line, const std::string& program,
                                    const HelpTranslation& translate) {
  switch (line.action) {
    case CommandLine::Action::kHelp: {
      std::string text = translate ? translate(kHelpText) : std::string(kHelpText);
      if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, program);
      return {0, text, false};
    }
    case CommandLine::Action::kVersion:
      return {0, std::string("Marnelok ") + MARNELOK_VERSION + "\n", false};
    case CommandLine::Action::kError:
      return {
          2, program + ": " + line.error + "\nTry '" + program + " --help' for more information.\n",
          true};
    case CommandLine::Action::kRun:
      break;
  }
  return {};
}

std::string ProgramName(const char* argv0) {
  const std::string path = argv0 != nullptr && *argv0 != '\0' ? argv0 : "marnelok";
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace marnelok
