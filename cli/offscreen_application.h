#pragma once

#include <memory>

class QCoreApplication;

namespace cli {

// Pictures drawn by the raster twin need Qt's fonts and, for the chart, its
// widgets' graphics items, and so an application object, but no display.
// Returns a new offscreen application when none exists yet (keep it for as
// long as the drawing lasts), else none. Qt's notes about the missing desktop
// session are silenced; real failures still show on standard error.
std::unique_ptr<QCoreApplication> StartOffscreenApplication();

}  // namespace cli
