// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's web addresses: the home page (fixed at build time), the donation page below
// it, and the site name that the donation dialog quotes.
#pragma once

#include <QString>

namespace marnelok {

// The home page given to the build (MARNELOK_HOME_PAGE).
QString HomePage();
// The donation page: the home page followed by "/sw/donate.html".
QString DonationPage();
// The home page's host name, as shown in the donation dialog's text.
QString SiteName();

// The pure rules behind the two above, for any home-page address.
QString DonationPageOf(const QString& homePage);
QString SiteNameOf(const QString& homePage);

}  // namespace marnelok
