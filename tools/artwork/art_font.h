// SPDX-License-Identifier: GPL-3.0-or-later
// The one typeface of the painted pictures: DejaVu Sans Bold, the bold sans-serif that the
// game itself uses on Linux. A fixed face keeps the output the same from run to run.
#pragma once

#include <QFont>
#include <QString>

namespace marnelok {

// Makes the face available; false, with a reason in `error`, when it cannot be found.
bool loadArtworkFont(QString* error);
QFont artworkFont(qreal pixelSize, bool bold = true);

}  // namespace marnelok
