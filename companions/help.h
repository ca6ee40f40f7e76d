// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the help document, "Marnelok.html" or its translation "Marnelok.<language>.html",
// with the desktop's default program.
#pragma once

#include <QString>

namespace marnelok {

class Desktop;

inline constexpr char kHelpDocumentName[] = "Marnelok.html";

// Where the help document is looked for, in order: the working directory (named plainly,
// as always), then the copy installed with the program: next to the executable, then in
// ../share/marnelok/ relative to it (by absolute path). The document in `language` (a shipped
// language's code) is looked for first in all three, then the English one. When none exists
// the plain English name is returned and the desktop may say that it cannot find it.
QString HelpDocument(const QString& workingDir, const QString& executableDir,
                     const QString& language = QString());

// Opens the help document found by HelpDocument for the current working directory, the
// running executable's folder and the language in use.
void OpenHelp(Desktop& desktop);

}  // namespace marnelok
