// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace assets {

// The picture of a die face, 1 to 6: white, with black pips but for face 1's large red one.
QImage facePicture(int face);

// The three-pip face on a 32-pixel square, the experiment window's icon.
QImage iconPicture();
QIcon windowIcon();

// The application icon at any size: the 32-pixel picture itself at 32, elsewhere the same
// design drawn afresh at that size, so that it stays crisp.
QImage applicationIcon(int size);

}  // namespace assets
