#pragma once

#include <QWidget>

namespace app {

// The About window: six fixed lines on light yellow, nothing to press or type.
// It is a window of its own, with no owner, so it may outlive the main window.
class FormAbout : public QWidget {
 public:
  FormAbout();
};

// A colour value of the forms (red in the lowest byte) as a QColor.
QColor ColourFromValue(int value);

}  // namespace app
