// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the accessibility bus and reading the program over it.
#include "accessibility_bus.h"

#include <QFileInfo>

#include "x_session.h"

namespace marnelok::e2e {
namespace {

// A call on the session bus; its reply as dbus-send prints it.
QString Send(const QStringList& call) {
  QProcess send;
  send.start(QStringLiteral("dbus-send"),
             QStringList{QStringLiteral("--session"), QStringLiteral("--print-reply")} + call);
  send.waitForFinished(10000);
  return QString::fromLocal8Bit(send.readAllStandardOutput()).trimmed();
}

}  // namespace

AccessibilityBus::AccessibilityBus() {
  launcher_.start(QStringLiteral(MARNELOK_ATSPI_BUS_LAUNCHER),
                  {QStringLiteral("--launch-immediately")});
}

AccessibilityBus::~AccessibilityBus() {
  launcher_.terminate();
  if (!launcher_.waitForFinished(3000)) launcher_.kill();
}

QString AccessibilityBus::Missing() {
  if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
    return QStringLiteral("no session bus: run inside dbus-run-session");
  if (!QFileInfo(QStringLiteral(MARNELOK_ATSPI_BUS_LAUNCHER)).isExecutable())
    return QStringLiteral("at-spi2-core's bus launcher is missing: " MARNELOK_ATSPI_BUS_LAUNCHER);
  QProcess probe;
  probe.start(QStringLiteral(MARNELOK_ATSPI_PYTHON),
              {QStringLiteral("-c"), QStringLiteral("import pyatspi")});
  if (!probe.waitForFinished(20000) || probe.exitCode() != 0)
    return QStringLiteral("python3 with python3-pyatspi is missing: " MARNELOK_ATSPI_PYTHON);
  return {};
}

bool AccessibilityBus::Enable() {
  for (int i = 0; i < 100 && !Send({"--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                    "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"})
                                  .contains("boolean true");
       ++i)
    XSession::Wait(50);
  return Send({"--dest=org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
               "string:org.a11y.Status", "string:IsEnabled", "variant:boolean:true"})
      .startsWith("method return");
}

QStringList AccessibilityBus::ReadTree(QString* error) {
  QProcess reader;
  reader.start(QStringLiteral(MARNELOK_ATSPI_PYTHON), {QStringLiteral(MARNELOK_TREE_READER)});
  if (!reader.waitForFinished(60000) || reader.exitCode() != 0) {
    if (error != nullptr) *error = QString::fromUtf8(reader.readAllStandardError());
    return {};
  }
  return QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n');
}

}  // namespace marnelok::e2e
