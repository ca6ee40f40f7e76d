// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the help document, "Marnelok.html", with the desktop's default program.
#pragma once

#include <QString>

namespace marnelok {

class Desktop;

inline constexpr char kHelpDocumentName[] = "Marnelok.html";

// Where the help document is looked for, in order: the working directory (named plainly,
// as always), then the copy installed with the program: next to the executable, then in
// ../share/marnelok/ relative to it (by absolute path). When none exists the plain name is
// returned and the desktop may say that it cannot find it.
QString HelpDocument(const QString& workingDir, const QString& executableDir);

// Opens the help document found by HelpDocument for the current working directory and the
// running executable's folder.
void OpenHelp(Desktop& desktop);

}  // namespace marnelok
