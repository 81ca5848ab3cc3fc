#pragma once

#include <QIcon>

namespace app {

// Two oblique shocks of different families crossing in a stream, drawn at
// 16 and 32 pixels.
QIcon ShocksIcon();

}  // namespace app
