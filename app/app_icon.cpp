#include "app/app_icon.h"

#include <QPainter>
#include <QPen>
#include <QPixmap>

#include "app/form_about.h"
#include "app/form_layout.h"

namespace app {

QPixmap ShocksIconPicture(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(ColourFromValue(kLightYellow));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setWindow(0, 0, 32, 32);
  const qreal width = size < 24 ? 2.0 : 1.5;
  // Shock A from the upper wall, shock B from the lower one, meeting mid-stream.
  painter.setPen(QPen(QColor(0, 0, 255), width));
  painter.drawLine(QPointF(3, 3), QPointF(16, 16));
  painter.drawLine(QPointF(3, 29), QPointF(16, 16));
  // The transmitted shocks C and D.
  painter.setPen(QPen(QColor(255, 0, 0), width));
  painter.drawLine(QPointF(16, 16), QPointF(29, 27));
  painter.setPen(QPen(QColor(0, 160, 0), width));
  painter.drawLine(QPointF(16, 16), QPointF(29, 5));
  // The slip line between them.
  painter.setPen(QPen(QColor(0, 0, 0), 1.0, Qt::DashLine));
  painter.drawLine(QPointF(16, 16), QPointF(30, 16));
  painter.setPen(QPen(QColor(0, 0, 0), 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, 31, 31));
  return pixmap;
}

QIcon ShocksIcon() {
  QIcon icon;
  icon.addPixmap(ShocksIconPicture(16));
  icon.addPixmap(ShocksIconPicture(32));
  return icon;
}

}  // namespace app
