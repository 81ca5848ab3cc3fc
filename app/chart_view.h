#pragma once

#include <functional>
#include <optional>

#include <QChartView>
#include <QString>

#include "app/chart_plot.h"

namespace app {

// The chart on the screen, with the hand's ways of looking closer: the wheel
// zooms about the cursor, a dragged rectangle zooms into it, the middle button
// (or Shift with the left) pans, a double click or a right click fits, the
// arrow keys pan and + and - zoom. Moving over the plot reads out the place
// under the cursor and the nearest curve point.
class ChartView : public QChartView {
 public:
  explicit ChartView(QWidget* parent = nullptr);

  ChartPlot& Plot() { return *plot_; }
  const ChartPlot& Plot() const { return *plot_; }

  // Told the readout text whenever it changes (empty off the plot).
  void SetReadoutHandler(std::function<void(const QString&)> handler) { readout_ = std::move(handler); }
  // The readout for a position in the view's own coordinates: the place and
  // any mark or search step there, then on a second line the nearest curve
  // point with its shock angle and Mach number.
  QString ReadoutAt(QPointF view_position);

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPointF ChartPosition(QPointF view_position) const;
  void Tell(const QString& text);

  ChartPlot* plot_;
  std::optional<QPointF> pan_from_;
  std::function<void(const QString&)> readout_;
};

}  // namespace app
