#pragma once

#include <QIcon>
#include <QImage>

namespace assets {

// The picture of a die face, 1 to 6: white, with black pips but for face 1's large red one.
QImage facePicture(int face);

// The three-pip face on a 32-pixel square, the experiment window's icon.
QImage iconPicture();
QIcon windowIcon();

}  // namespace assets
