// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's web addresses.
#include "web_pages.h"

#include <QUrl>

#ifndef MARNELOK_HOME_PAGE
#error "MARNELOK_HOME_PAGE must be defined by the build"
#endif

namespace marnelok {

QString HomePage() { return QStringLiteral(MARNELOK_HOME_PAGE); }
QString DonationPage() { return DonationPageOf(HomePage()); }
QString SiteName() { return SiteNameOf(HomePage()); }

QString DonationPageOf(const QString& homePage) {
  QString base = homePage.trimmed();
  // A home page given with a trailing slash must not produce "//sw".
  while (base.endsWith(QLatin1Char('/'))) base.chop(1);
  return base + QStringLiteral("/sw/donate.html");
}

QString SiteNameOf(const QString& homePage) {
  const QString trimmed = homePage.trimmed();
  const QString host = QUrl(trimmed).host();
  if (!host.isEmpty()) return host;
  // Without a scheme QUrl sees only a path: take what precedes the first slash.
  return trimmed.section(QLatin1Char('/'), 0, 0);
}

}  // namespace marnelok
