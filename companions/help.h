// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the help document, "Marnelok.html" or its translation "Marnelok.<language>.html",
// with the desktop's default program.
#pragma once

#include <QString>

namespace marnelok {

class Desktop;

inline constexpr char kHelpDocumentName[] = "Marnelok.html";

// Where the help document is looked for, in order: next to the executable (the build folder,
// or Windows' installation), then in ../share/marnelok/ relative to it; never in the working
// folder, where anyone's file of that name could stand. The document in `language` (a shipped
// language's code) is looked for first in both, then the English one. When none exists the
// English document's installed place is returned, and the desktop may say that it cannot find
// it.
QString HelpDocument(const QString& executableDir, const QString& language = QString());

// Opens the help document found by HelpDocument for the running executable's folder and the
// language in use.
void OpenHelp(Desktop& desktop);

}  // namespace marnelok
