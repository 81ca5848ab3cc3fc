#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QChart>
#include <QColor>
#include <QString>

#include "chart/chart_data.h"
#include "chart/nearest.h"

class QGraphicsEllipseItem;
class QGraphicsItem;
class QGraphicsLineItem;
class QGraphicsRectItem;
class QValueAxis;

namespace app {

QColor QColorOf(platform::Colour colour);

// The pressure-deflection chart drawn with Qt Charts from the chart's numbers:
// polars as lines (the strong branch dashed), their limits and the states as
// scatter points, labels and the search path's numbers placed beside them so
// that they do not overlap. The same item is shown by the chart window and
// rendered into PNG and SVG files.
class ChartPlot : public QChart {
 public:
  ChartPlot();

  // Draws `data` anew and fits the view to it.
  void Show(chart::ChartData data);
  const chart::ChartData& Data() const { return data_; }

  // What the axes span: theta in degrees, p / p1.
  void SetView(const chart::View& view);
  chart::View CurrentView() const;
  void Fit() { SetView(data_.fit); }
  // Closer by `factor` (below 1: farther), the point under `position` (chart
  // item coordinates) staying where it is.
  void ZoomAbout(QPointF position, double factor);
  // Moves the view with the content by `pixels`, as a dragged sheet of paper.
  void PanBy(QPointF pixels);

  // Chart item coordinates of a point, and the point at a position.
  QPointF PositionOf(const chart::Point& point) const;
  chart::Point ValueAt(QPointF position) const;
  chart::PixelScale Scale() const;

  // Rings the curve point the readout names; none hides the ring.
  void Highlight(const std::optional<chart::Point>& point);

  // The labels shown now with their rectangles (chart item coordinates).
  std::vector<std::pair<QString, QRectF>> ShownLabels() const;

 private:
  struct Label;
  // Ticks, labels and the search path's lines for the present plot area and
  // view; runs by itself when either changes.
  void Relayout();
  void AddSeries(QAbstractSeries* series, bool in_legend);
  void AddPolars();
  void AddMarks();
  void AddLabel(const chart::Point& at, const QString& text, bool required);
  void PlaceLabels();
  void WriteTitle();

  chart::ChartData data_;
  std::vector<std::string> told_;  // the notes under the title
  QValueAxis* x_ = nullptr;
  QValueAxis* y_ = nullptr;
  std::vector<Label> labels_;
  std::vector<QGraphicsLineItem*> search_lines_;
  QGraphicsRectItem* clip_ = nullptr;  // the plot area; clips what it holds
  QGraphicsEllipseItem* ring_ = nullptr;
  std::optional<chart::Point> ringed_;
  bool relayout_running_ = false;
};

}  // namespace app
