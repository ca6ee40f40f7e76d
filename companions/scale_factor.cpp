// SPDX-License-Identifier: GPL-3.0-or-later
// The scale factors a user can give Qt through the environment, checked before Qt reads them.
#include "scale_factor.h"

#include <QStringList>
#include <algorithm>

namespace marnelok {
namespace {

constexpr double kMinFactor = 0.25;
constexpr double kMaxFactor = 8.0;

bool Sane(const QString& text) {
  bool ok = false;
  const double factor = text.toDouble(&ok);
  return ok && factor >= kMinFactor && factor <= kMaxFactor;  // false for NaN as well
}

// QT_SCREEN_SCALE_FACTORS is a list, "2;1.5", or by screen name, "DP-1=2;HDMI-1=1.5".
bool SaneList(const QString& text) {
  const QStringList entries = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
  return std::all_of(entries.begin(), entries.end(), [](const QString& entry) {
    return Sane(entry.section(QLatin1Char('='), -1));
  });
}

}  // namespace

QString IgnoreAbsurdScaleFactors() {
  QStringList ignored;
  for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"}) {
    const QString value = qEnvironmentVariable(name);
    const bool list = qstrcmp(name, "QT_SCREEN_SCALE_FACTORS") == 0;
    if (value.isEmpty() || (list ? SaneList(value) : Sane(value))) continue;
    ignored << QStringLiteral("%1=%2").arg(QLatin1String(name), value);
    qunsetenv(name);
  }
  if (ignored.isEmpty()) return {};
  return QStringLiteral("Marnelok: ignoring %1: a scale factor must be a number from 0.25 to 8")
      .arg(ignored.join(QLatin1String(", ")));
}

}  // namespace marnelok
