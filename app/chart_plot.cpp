#include "app/chart_plot.h"

#include <algorithm>
#include <cmath>

#include <QBrush>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include "chart/ticks.h"
#include "chart/value_text.h"

namespace app {

namespace {

constexpr qreal kLabelGap = 6.0;  // between a mark and its label, pixels

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Text on a pale ground, so that it stays readable over curves and grid.
class LabelItem : public QGraphicsSimpleTextItem {
 public:
  using QGraphicsSimpleTextItem::QGraphicsSimpleTextItem;
  QRectF boundingRect() const override { return QGraphicsSimpleTextItem::boundingRect().adjusted(-2, -1, 2, 1); }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override {
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 255, 255, 215));
    painter->drawRect(boundingRect());
    QGraphicsSimpleTextItem::paint(painter, option, widget);
  }
};

QScatterSeries* Scatter(const QString& name, QScatterSeries::MarkerShape shape, qreal size,
                        const QColor& fill, const QColor& border) {
  auto* series = new QScatterSeries;
  series->setName(name);
  series->setMarkerShape(shape);
  series->setMarkerSize(size);
  series->setColor(fill);
  series->setBorderColor(border);
  return series;
}

// One point of a scatter series in its own colour.
void AppendColoured(QScatterSeries* series, const chart::Point& at, const QColor& colour) {
  series->append(at.theta, at.p);
  series->setPointConfiguration(series->count() - 1, QXYSeries::PointConfiguration::Color, colour);
}

}  // namespace

QColor QColorOf(platform::Colour colour) {
  return QColor(platform::RedOf(colour), platform::GreenOf(colour), platform::BlueOf(colour));
}

struct ChartPlot::Label {
  chart::Point at;
  QString text;  // in full; the item may show only the part before its colon
  QGraphicsSimpleTextItem* item = nullptr;  // a LabelItem
  bool required = false;  // shown even where it must overlap another
};

ChartPlot::ChartPlot() {
  x_ = new QValueAxis;
  y_ = new QValueAxis;
  x_->setTitleText("Flow direction \u03b8 (degrees)");
  y_->setTitleText("Pressure p/p1");
  for (QValueAxis* axis : {x_, y_}) {
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setMinorTickCount(1);
    addAxis(axis, axis == x_ ? Qt::AlignBottom : Qt::AlignLeft);
    QObject::connect(axis, &QValueAxis::rangeChanged, [this] { Relayout(); });
  }
  QObject::connect(this, &QChart::plotAreaChanged, [this] { Relayout(); });
  legend()->setAlignment(Qt::AlignRight);
  legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  setBackgroundRoundness(0);

  // Lines and the ring stay inside the plot area, as the series do.
  clip_ = new QGraphicsRectItem(this);
  clip_->setPen(Qt::NoPen);
  clip_->setFlag(QGraphicsItem::ItemClipsChildrenToShape);
  clip_->setZValue(5);
  ring_ = new QGraphicsEllipseItem(-6, -6, 12, 12, clip_);
  ring_->setPen(QPen(Qt::black, 1.5));
  ring_->setZValue(30);
  ring_->hide();
}

void ChartPlot::AddSeries(QAbstractSeries* series, bool in_legend) {
  addSeries(series);
  series->attachAxis(x_);
  series->attachAxis(y_);
  for (QLegendMarker* marker : legend()->markers(series)) marker->setVisible(in_legend);
}

void ChartPlot::AddPolars() {
  for (const chart::Polar& polar : data_.polars) {
    const QColor colour = QColorOf(polar.colour);
    for (const chart::Curve* curve : {&polar.weak, &polar.strong}) {
      auto* line = new QLineSeries;
      QList<QPointF> points;
      points.reserve(static_cast<qsizetype>(curve->points.size()));
      for (const chart::CurvePoint& q : curve->points) points.append({q.theta, q.p});
      line->replace(points);
      const bool weak = curve->branch == chart::Branch::Weak;
      QPen pen(colour, weak ? 2.0 : 1.5, weak ? Qt::SolidLine : Qt::DashLine);
      line->setPen(pen);
      line->setName(QString("Region %1, M = %2")
                        .arg(polar.region)
                        .arg(Text(chart::ValueText(polar.M, 3))));
      AddSeries(line, weak);
    }
  }
  if (data_.polars.empty()) return;
  // A legend entry for the line style alone.
  auto* strong = new QLineSeries;
  strong->setName("Strong branch");
  strong->setPen(QPen(Qt::darkGray, 1.5, Qt::DashLine));
  AddSeries(strong, true);

  auto* tips = Scatter("Largest deflection", QScatterSeries::MarkerShapeTriangle, 11, Qt::gray, Qt::black);
  auto* sonic = Scatter("Sonic point", QScatterSeries::MarkerShapeRotatedRectangle, 10,
                        Qt::white, Qt::black);
  for (const chart::Polar& polar : data_.polars) {
    for (const chart::Point& at : polar.largest_deflection) AppendColoured(tips, at, QColorOf(polar.colour));
    for (const chart::Point& at : polar.sonic) AppendColoured(sonic, at, Qt::white);
  }
  AddSeries(tips, true);
  AddSeries(sonic, true);
}

void ChartPlot::AddMarks() {
  // The search path: p4 on the polar of region 2, p5 on that of region 3.
  if (!data_.search_path.empty()) {
    auto* p4 = Scatter("Search: p4", QScatterSeries::MarkerShapeCircle, 7, QColorOf(0x0000C0), Qt::white);
    auto* p5 = Scatter("Search: p5", QScatterSeries::MarkerShapeCircle, 7, QColorOf(0x008000), Qt::white);
    for (const chart::SearchMark& step : data_.search_path) {
      p4->append(step.theta, step.p4);
      p5->append(step.theta, step.p5);
      auto* line = new QGraphicsLineItem(clip_);
      line->setPen(QPen(QColor(120, 120, 120), 1.0, Qt::DotLine));
      search_lines_.push_back(line);
    }
    AddSeries(p4, true);
    AddSeries(p5, true);
  }

  struct Kind {
    chart::MarkKind kind;
    const char* name;
    QScatterSeries::MarkerShape shape;
    qreal size;
  };
  static constexpr Kind kKinds[] = {
      {chart::MarkKind::RegionState, "Region states", QScatterSeries::MarkerShapeCircle, 10},
      {chart::MarkKind::Other, "Triple points", QScatterSeries::MarkerShapePentagon, 11},
      {chart::MarkKind::MethodSolution, "Search result", QScatterSeries::MarkerShapeCircle, 12},
      {chart::MarkKind::ExactSolution, "Exact solution", QScatterSeries::MarkerShapeStar, 17},
  };
  for (const Kind& kind : kKinds) {
    QScatterSeries* series = nullptr;
    for (const chart::Mark& mark : data_.marks) {
      if (mark.kind != kind.kind) continue;
      const QColor colour = QColorOf(mark.colour);
      if (series == nullptr) series = Scatter(kind.name, kind.shape, kind.size, colour, Qt::black);
      AppendColoured(series, mark.at, colour);
    }
    if (series == nullptr) continue;
    AddSeries(series, true);
  }

  // Labels in order of importance: the placing gives way to those first.
  for (const chart::MarkKind kind : {chart::MarkKind::ExactSolution, chart::MarkKind::MethodSolution,
                                     chart::MarkKind::RegionState, chart::MarkKind::Other}) {
    for (const chart::Mark& mark : data_.marks) {
      if (mark.kind == kind && !mark.label.empty()) AddLabel(mark.at, Text(mark.label), true);
    }
  }
  // The search's numbers: the first and the last, then the others as room allows.
  const auto& path = data_.search_path;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const std::size_t n = i == 0 ? 0 : i == 1 ? path.size() - 1 : i - 1;
    if (i > 0 && n == 0) continue;
    AddLabel({path[n].theta, std::max(path[n].p4, path[n].p5)}, QString::number(path[n].number), false);
  }
}

void ChartPlot::AddLabel(const chart::Point& at, const QString& text, bool required) {
  auto* item = new LabelItem(text, this);
  QFont font = item->font();
  font.setPointSizeF(required ? 8.5 : 7.5);
  item->setFont(font);
  item->setZValue(required ? 21 : 20);
  labels_.push_back({at, text, item, required});
}

void ChartPlot::Show(chart::ChartData data) {
  for (const Label& label : labels_) delete label.item;
  labels_.clear();
  for (QGraphicsLineItem* line : search_lines_) delete line;
  search_lines_.clear();
  removeAllSeries();
  ringed_.reset();
  data_ = std::move(data);

  told_ = data_.notes;
  if (!data_.no_exact_reason.empty()) {
    const std::string& why = data_.no_exact_reason;
    told_.push_back(why.starts_with("no regular") ? "N" + why.substr(1) : "No regular solution: " + why);
  }
  WriteTitle();

  // One layout at the end, not one for every series the axes take on.
  relayout_running_ = true;
  AddPolars();
  AddMarks();
  relayout_running_ = false;
  Fit();
}

void ChartPlot::WriteTitle() {
  // The notes wrapped to the chart's width: a title line is never cut short.
  const QFontMetricsF metrics(titleFont());
  const qreal width = std::max<qreal>(200.0, size().width() - 80.0);
  QString title = "<b>" + Text(data_.title).toHtmlEscaped() + "</b>";
  for (const std::string& note : told_) {
    QString line;
    for (const QString& word : Text(note).split(' ')) {
      if (!line.isEmpty() && metrics.horizontalAdvance(line + ' ' + word) > width) {
        title += "<br><span style=\"color:#a00000\">" + line.toHtmlEscaped() + "</span>";
        line.clear();
      }
      line += (line.isEmpty() ? "" : " ") + word;
    }
    title += "<br><span style=\"color:#a00000\">" + line.toHtmlEscaped() + "</span>";
  }
  if (title != this->title()) setTitle(title);
}

void ChartPlot::SetView(const chart::View& view) {
  // Never a span so small that the numbers on an axis could not tell its ticks apart.
  const auto sane = [](chart::Range r) {
    const double least = 1e-9 * std::max(1.0, std::max(std::abs(r.lo), std::abs(r.hi)));
    if (!(r.hi - r.lo >= least)) r = {(r.lo + r.hi) / 2 - least, (r.lo + r.hi) / 2 + least};
    return r;
  };
  const chart::Range x = sane(view.theta), y = sane(view.p);
  if (!std::isfinite(x.lo + x.hi + y.lo + y.hi)) return;
  relayout_running_ = true;  // one layout after both axes have their range
  x_->setRange(x.lo, x.hi);
  y_->setRange(y.lo, y.hi);
  relayout_running_ = false;
  Relayout();
}

chart::View ChartPlot::CurrentView() const { return {{x_->min(), x_->max()}, {y_->min(), y_->max()}}; }

void ChartPlot::ZoomAbout(QPointF position, double factor) {
  if (!(factor > 0.0)) return;
  const chart::Point c = ValueAt(position);
  const chart::View v = CurrentView();
  SetView({{c.theta - (c.theta - v.theta.lo) / factor, c.theta + (v.theta.hi - c.theta) / factor},
           {c.p - (c.p - v.p.lo) / factor, c.p + (v.p.hi - c.p) / factor}});
}

void ChartPlot::PanBy(QPointF pixels) {
  const chart::PixelScale s = Scale();
  const chart::View v = CurrentView();
  const double dx = pixels.x() / s.per_degree, dy = pixels.y() / s.per_p;
  SetView({{v.theta.lo - dx, v.theta.hi - dx}, {v.p.lo + dy, v.p.hi + dy}});
}

QPointF ChartPlot::PositionOf(const chart::Point& point) const {
  const QRectF plot = plotArea();
  const chart::View v = CurrentView();
  return {plot.left() + (point.theta - v.theta.lo) / (v.theta.hi - v.theta.lo) * plot.width(),
          plot.bottom() - (point.p - v.p.lo) / (v.p.hi - v.p.lo) * plot.height()};
}

chart::Point ChartPlot::ValueAt(QPointF position) const {
  const QRectF plot = plotArea();
  const chart::View v = CurrentView();
  return {v.theta.lo + (position.x() - plot.left()) / plot.width() * (v.theta.hi - v.theta.lo),
          v.p.lo + (plot.bottom() - position.y()) / plot.height() * (v.p.hi - v.p.lo)};
}

chart::PixelScale ChartPlot::Scale() const {
  const QRectF plot = plotArea();
  const chart::View v = CurrentView();
  return {plot.width() / (v.theta.hi - v.theta.lo), plot.height() / (v.p.hi - v.p.lo)};
}

void ChartPlot::Highlight(const std::optional<chart::Point>& point) {
  ringed_ = point;
  const QPointF at = point ? PositionOf(*point) : QPointF();
  ring_->setVisible(point.has_value());
  ring_->setPos(at);
}

void ChartPlot::Relayout() {
  if (relayout_running_) return;
  relayout_running_ = true;
  WriteTitle();
  const QRectF plot = plotArea();
  const chart::View v = CurrentView();
  // About one number per 60 pixels across and per 40 pixels up.
  const chart::Ticks tx = chart::NiceTicks(v.theta, std::max(5, static_cast<int>(plot.width() / 60)));
  const chart::Ticks ty = chart::NiceTicks(v.p, std::max(4, static_cast<int>(plot.height() / 40)));
  const auto apply = [](QValueAxis* axis, const chart::Ticks& t, const chart::Range& r) {
    axis->setTickAnchor(t.first);
    axis->setTickInterval(t.step);
    // Beyond a million an exponent, with the digits that tell the ticks apart.
    const double largest = std::max(std::abs(r.lo), std::abs(r.hi));
    const int digits = static_cast<int>(std::floor(std::log10(largest)) - std::floor(std::log10(t.step))) + 1;
    axis->setLabelFormat(largest >= 1e6 ? QString("%.%1g").arg(std::clamp(digits, 1, 15))
                                        : QString("%.%1f").arg(t.decimals));
  };
  apply(x_, tx, v.theta);
  apply(y_, ty, v.p);

  clip_->setRect(plot);
  for (std::size_t i = 0; i < search_lines_.size(); ++i) {
    const chart::SearchMark& step = data_.search_path[i];
    search_lines_[i]->setLine(QLineF(PositionOf({step.theta, step.p4}), PositionOf({step.theta, step.p5})));
  }
  PlaceLabels();
  Highlight(ringed_);
  relayout_running_ = false;
}

void ChartPlot::PlaceLabels() {
  const QRectF plot = plotArea();
  // What a label must not cover: the marks themselves and the labels placed before it.
  std::vector<QRectF> taken;
  for (const chart::Mark& mark : data_.marks) {
    const QPointF at = PositionOf(mark.at);
    taken.emplace_back(at.x() - 5, at.y() - 5, 10, 10);
  }
  struct Place {
    QRectF rect;
    qreal covered = INFINITY;  // area of what it covers, square pixels
  };
  // The first place beside `at` inside the plot that covers nothing, or else
  // the one that covers least.
  const auto best_place = [&](QPointF at, QSizeF size) {
    const qreal w = size.width(), h = size.height(), g = kLabelGap;
    const QPointF tries[] = {{g, -g - h},  {-g - w, -g - h}, {g, g},          {-g - w, g},
                             {g, -h / 2},  {-g - w, -h / 2}, {-w / 2, -g - h}, {-w / 2, g},
                             {3 * g, -3 * g - h}, {-3 * g - w, -3 * g - h}, {3 * g, 3 * g}, {-3 * g - w, 3 * g}};
    Place best;
    for (const QPointF& offset : tries) {
      const QRectF rect(at + offset, size);
      if (!plot.contains(rect)) continue;
      qreal covered = 0.0;
      for (const QRectF& t : taken) {
        if (t.contains(at)) continue;  // its own mark
        const QRectF overlap = t.intersected(rect);
        covered += overlap.width() * overlap.height();
      }
      if (covered < best.covered) best = {rect, covered};
      if (covered == 0.0) break;
    }
    if (!std::isfinite(best.covered)) {
      // No place inside the plot: as near as the plot allows.
      QRectF rect(at + tries[0], size);
      rect.moveLeft(std::clamp(rect.left(), plot.left(), std::max(plot.left(), plot.right() - w)));
      rect.moveTop(std::clamp(rect.top(), plot.top(), std::max(plot.top(), plot.bottom() - h)));
      best = {rect, 1e300};
    }
    return best;
  };

  for (Label& label : labels_) {
    const QPointF at = PositionOf(label.at);
    if (!plot.contains(at)) {
      label.item->hide();
      continue;
    }
    // Where the whole text finds no free place, its name alone (before the colon) may.
    label.item->setText(label.text);
    Place place = best_place(at, label.item->boundingRect().size());
    const qsizetype colon = label.text.indexOf(':');
    if (place.covered > 0.0 && colon > 0) {
      label.item->setText(label.text.left(colon));
      const Place shorter = best_place(at, label.item->boundingRect().size());
      if (shorter.covered <= place.covered) {
        place = shorter;
      } else {
        label.item->setText(label.text);
      }
    }
    const bool shown = place.covered == 0.0 || label.required;
    label.item->setVisible(shown);
    if (!shown) continue;
    // The item's own origin lies inside its padded rectangle.
    label.item->setPos(place.rect.topLeft() - label.item->boundingRect().topLeft());
    taken.push_back(place.rect);
  }
}

std::vector<std::pair<QString, QRectF>> ChartPlot::ShownLabels() const {
  std::vector<std::pair<QString, QRectF>> out;
  for (const Label& label : labels_) {
    if (label.item->isVisible()) {
      out.emplace_back(label.item->text(), label.item->mapRectToParent(label.item->boundingRect()));
    }
  }
  return out;
}

}  // namespace app
