#include "app/stale_marks.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "app/picture_box.h"

namespace app {

void StaleMarks::Watch(QWidget* widget) { watched_.push_back(widget); }

void StaleMarks::BeginCalculation() {
  calculating_ = true;
  unwritten_ = {watched_.begin(), watched_.end()};
}

void StaleMarks::Written(QWidget* widget) {
  if (calculating_) unwritten_.erase(widget);
  if (stale_.erase(widget) > 0) ShowStale(widget, false);
}

void StaleMarks::EndCalculation() {
  calculating_ = false;
  for (QWidget* widget : watched_) {
    if (unwritten_.contains(widget) && !stale_.contains(widget)) {
      stale_.insert(widget);
      ShowStale(widget, true);
    }
  }
  unwritten_.clear();
}

void StaleMarks::ShowStale(QWidget* widget, bool stale) {
  widget->setToolTip(stale ? kStaleTip : QString());
  if (auto* picture = dynamic_cast<PictureBox*>(widget)) {
    picture->SetStale(stale);
    return;
  }
  // Text in the colour of a disabled field, while the field stays editable.
  QPalette palette = widget->palette();
  const QPalette normal = QApplication::palette(widget);
  palette.setColor(QPalette::Text, stale ? normal.color(QPalette::Disabled, QPalette::Text)
                                         : normal.color(QPalette::Active, QPalette::Text));
  widget->setPalette(palette);
}

}  // namespace app
