#pragma once

#include <QIcon>
#include <QPixmap>

namespace app {

// Two oblique shocks of different families crossing in a stream, drawn at
// 16 and 32 pixels.
QIcon ShocksIcon();

// The icon's picture at size x size pixels, drawn on a 32-unit grid; the
// installed icon files (data/icons) are this picture at their sizes.
QPixmap ShocksIconPicture(int size);

}  // namespace app
