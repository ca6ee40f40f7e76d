// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a command-line tool to its end and hands back its exit code and what it printed.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace marnelok::testing {

struct ToolRun {
  int exitCode = -1;  // -1 when the tool did not start, crashed or did not finish in a minute
  QString output;
};

// Standard output alone, or with the error output mixed in when withErrors is true.
inline ToolRun RunTool(
    const QString& program, const QStringList& arguments, bool withErrors = false,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  if (withErrors) process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForFinished(60000)) return {-1, QStringLiteral("did not finish")};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput())};
}

}  // namespace marnelok::testing
