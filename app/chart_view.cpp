#include "app/chart_view.h"

#include <cmath>

#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "chart/nearest.h"
#include "chart/value_text.h"

namespace app {

namespace {

constexpr double kWheelStep = 1.2;    // zoom of one notch of the wheel
constexpr qreal kNearMark = 8.0;      // pixels within which the readout names a mark

// Places enough that one unit of the last digit spans at most two pixels.
int DecimalsFor(double pixels_per_unit) {
  if (!(pixels_per_unit > 0.0) || !std::isfinite(pixels_per_unit)) return 3;
  return std::clamp(static_cast<int>(std::ceil(std::log10(pixels_per_unit / 2))), 0, 12);
}

QString Fixed(double x, int decimals) { return QString::fromStdString(chart::ValueText(x, decimals)); }

}  // namespace

ChartView::ChartView(QWidget* parent) : QChartView(new ChartPlot, parent) {
  plot_ = static_cast<ChartPlot*>(chart());
  // Few items, and labels that move at every zoom: no index to keep up.
  scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
  setRenderHint(QPainter::Antialiasing);
  setRubberBand(QChartView::RectangleRubberBand);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(320, 240);
}

QPointF ChartView::ChartPosition(QPointF view_position) const {
  return plot_->mapFromScene(mapToScene(view_position.toPoint()));
}

QString ChartView::ReadoutAt(QPointF view_position) {
  const QPointF at = ChartPosition(view_position);
  if (!plot_->plotArea().contains(at)) {
    plot_->Highlight(std::nullopt);
    return {};
  }
  const chart::ChartData& data = plot_->Data();
  const chart::PixelScale scale = plot_->Scale();
  const chart::Point value = plot_->ValueAt(at);
  QString text = QString("\u03b8 = %1\u00b0, p/p1 = %2")
                     .arg(Fixed(value.theta, DecimalsFor(scale.per_degree)))
                     .arg(Fixed(value.p, DecimalsFor(scale.per_p)));

  if (const auto mark = chart::NearestMark(data, value, scale, kNearMark)) {
    text += "   \u2022 " + QString::fromStdString(data.marks[*mark].label);
  } else {
    for (const chart::SearchMark& step : data.search_path) {
      const QPointF p4 = plot_->PositionOf({step.theta, step.p4}), p5 = plot_->PositionOf({step.theta, step.p5});
      if (QLineF(p4, at).length() <= kNearMark || QLineF(p5, at).length() <= kNearMark) {
        text += QString("   \u2022 Search step %1: Fi = %2\u00b0, p4/p1 = %3, p5/p1 = %4")
                    .arg(step.number)
                    .arg(Fixed(step.theta, 4), Fixed(step.p4, 4), Fixed(step.p5, 4));
        break;
      }
    }
  }
  const auto near = chart::NearestOnCurves(data, value, scale);
  if (near) {
    text += QString("\nNearest: region %1 polar, %2 shock: \u03b8 = %3\u00b0, p/p1 = %4, "
                    "\u03b2 = %5\u00b0, M = %6")
                .arg(near->region)
                .arg(near->branch == chart::Branch::Weak ? "weak" : "strong")
                .arg(Fixed(near->point.theta, 2), Fixed(near->point.p, 3), Fixed(near->point.beta, 2),
                     Fixed(near->point.M, 3));
  }
  plot_->Highlight(near ? std::optional<chart::Point>({near->point.theta, near->point.p}) : std::nullopt);
  return text;
}

void ChartView::Tell(const QString& text) {
  if (readout_) readout_(text);
}

void ChartView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0.0) return;
  plot_->ZoomAbout(ChartPosition(event->position()), std::pow(kWheelStep, notches));
  Tell(ReadoutAt(event->position()));
  event->accept();
}

void ChartView::mousePressEvent(QMouseEvent* event) {
  const bool pan = event->button() == Qt::MiddleButton ||
                   (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
  if (pan) {
    pan_from_ = event->position();
    setCursor(Qt::ClosedHandCursor);
    event->accept();
    return;
  }
  if (event->button() == Qt::RightButton) {
    event->accept();  // fits on release, instead of the chart's own zooming out
    return;
  }
  QChartView::mousePressEvent(event);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  if (pan_from_) {
    plot_->PanBy(event->position() - *pan_from_);
    pan_from_ = event->position();
  }
  Tell(ReadoutAt(event->position()));
  QChartView::mouseMoveEvent(event);
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (pan_from_) {
    pan_from_.reset();
    unsetCursor();
    event->accept();
    return;
  }
  if (event->button() == Qt::RightButton) {
    plot_->Fit();
    event->accept();
    return;
  }
  QChartView::mouseReleaseEvent(event);
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
  plot_->Fit();
  event->accept();
}

void ChartView::keyPressEvent(QKeyEvent* event) {
  const QPointF centre = plot_->plotArea().center();
  const qreal step = 40.0;
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: plot_->ZoomAbout(centre, kWheelStep); break;
    case Qt::Key_Minus: plot_->ZoomAbout(centre, 1.0 / kWheelStep); break;
    case Qt::Key_Left: plot_->PanBy({step, 0}); break;
    case Qt::Key_Right: plot_->PanBy({-step, 0}); break;
    case Qt::Key_Up: plot_->PanBy({0, step}); break;
    case Qt::Key_Down: plot_->PanBy({0, -step}); break;
    default: QChartView::keyPressEvent(event); return;
  }
  event->accept();
}

void ChartView::leaveEvent(QEvent* event) {
  plot_->Highlight(std::nullopt);
  Tell({});
  QChartView::leaveEvent(event);
}

}  // namespace app
