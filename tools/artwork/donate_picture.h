// SPDX-License-Identifier: GPL-3.0-or-later
// The 350x135 header picture of the "Make a Donation" dialog.
#pragma once

#include <QImage>

namespace marnelok {

// True colour; its edge is the dialog's own background (192,220,192) so it sits in the dialog
// without a seam.
// `scale` multiplies the size; the drawing is the same.
QImage donatePicture(int scale = 1);

}  // namespace marnelok
