#include "render/domain_map_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <vector>

#include "render/picture_bytes.h"

namespace render {

namespace {

using exact::ConfigurationKind;
using exact::MapPoint;

const QColor kInk(30, 30, 30);
const QColor kVonNeumann(31, 78, 158);
const QColor kDetachment(178, 34, 34);
const QColor kLimit(90, 90, 90);
const QColor kHatch(175, 175, 175);

QColor Fill(ConfigurationKind kind) {
  switch (kind) {
    case ConfigurationKind::Regular: return QColor(200, 228, 196);
    case ConfigurationKind::Dual: return QColor(252, 226, 160);
    case ConfigurationKind::Mach: return QColor(244, 190, 190);
    case ConfigurationKind::None: return QColor(226, 226, 226);
  }
  return Qt::white;
}

QString RegionName(ConfigurationKind kind) {
  switch (kind) {
    case ConfigurationKind::Regular: return "regular only";
    case ConfigurationKind::Dual: return "regular or Mach (dual)";
    case ConfigurationKind::Mach: return "Mach only";
    case ConfigurationKind::None: return "neither";
  }
  return {};
}

QString Number(double x, int decimals) { return QString::number(x, 'f', decimals); }

QString Degrees(double x) { return Number(x, 2) + QChar(0x00B0); }

// A tick spacing of 1, 2 or 5 times a power of ten giving about `count` ticks.
double TickStep(double range, int count) {
  const double raw = range / count;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    if (m * power >= raw) return m * power;
  }
  return 10.0 * power;
}

int DecimalsOf(double step) { return step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step))); }

// Where the plot square lies and how map angles land on it.
struct Frame {
  QRectF plot;
  double axis_end = 1.0;  // degrees at the right and top edges
  QPointF At(double TetaA, double TetaB) const {
    return {plot.left() + TetaA / axis_end * plot.width(),
            plot.bottom() - TetaB / axis_end * plot.height()};
  }
  QPointF At(const MapPoint& q) const { return At(q.TetaA, q.TetaB); }
};

// Sizes that follow the picture: the text height and what hangs on it.
struct Metrics {
  double text = 12.0;  // pixel size of the ordinary text
  double line = 2.0;   // width of the criteria lines
  double gap = 6.0;
};

Metrics MetricsFor(const QRectF& area) {
  Metrics m;
  m.text = std::clamp(std::min(area.height() / 40.0, area.width() / 52.0), 8.0, 28.0);
  m.line = std::max(1.5, m.text / 6.0);
  m.gap = m.text / 2.0;
  return m;
}

void SetFont(QPainter& painter, double pixels, bool bold = false) {
  QFont font = painter.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(bold);
  painter.setFont(font);
}

// The plate a label of `text` takes with the corner given by `align`
// (left/right, top/bottom) at `anchor`, moved inside `bounds`.
QRectF PlateFor(const QFont& font, QPointF anchor, const QString& text, Qt::Alignment align,
                double pad, const QRectF& bounds) {
  const QFontMetricsF fm(font);
  QRectF box(0, 0, fm.horizontalAdvance(text) + 2 * pad, fm.height() + pad);
  box.moveLeft(align & Qt::AlignRight ? anchor.x() - box.width() : anchor.x());
  box.moveTop(align & Qt::AlignBottom ? anchor.y() - box.height() : anchor.y());
  const QRectF inside = bounds.adjusted(pad, pad, -pad, -pad);
  box.moveLeft(std::clamp(box.left(), inside.left(), std::max(inside.left(), inside.right() - box.width())));
  box.moveTop(std::clamp(box.top(), inside.top(), std::max(inside.top(), inside.bottom() - box.height())));
  return box;
}

// Text on a pale plate, so that it reads over shading and lines alike.
void DrawPlate(QPainter& painter, const QRectF& box, const QString& text, const QColor& colour,
               double pad) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 215));
  painter.drawRoundedRect(box, pad, pad);
  painter.setPen(colour);
  painter.drawText(box, Qt::AlignCenter, text);
}

// Labels already placed, so that later ones keep clear of them.
struct Labels {
  std::vector<QRectF> placed;
  // Tries the corners in order, each at the offset and then one, two and
  // three plate heights further out, and takes the first plate that overlaps
  // no earlier label or mark (else the first tried).
  void Add(QPainter& painter, QPointF point, double offset, const QString& text,
           std::initializer_list<Qt::Alignment> corners, const QColor& colour, double pad,
           const QRectF& bounds) {
    const double step = QFontMetricsF(painter.font()).height() + pad;
    std::optional<QRectF> chosen, fallback;
    for (int further = 0; further < 4 && !chosen; ++further) {
      for (Qt::Alignment align : corners) {
        const double dy = offset + further * step;
        const QPointF anchor = point + QPointF(align & Qt::AlignRight ? -offset : offset,
                                               align & Qt::AlignBottom ? -dy : dy);
        const QRectF box = PlateFor(painter.font(), anchor, text, align, pad, bounds);
        if (!fallback) fallback = box;
        if (std::none_of(placed.begin(), placed.end(),
                         [&](const QRectF& other) { return other.intersects(box); })) {
          chosen = box;
          break;
        }
      }
    }
    const QRectF box = chosen.value_or(*fallback);
    DrawPlate(painter, box, text, colour, pad);
    placed.push_back(box);
  }
};

QPainterPath PolylinePath(const Frame& f, const std::vector<MapPoint>& points) {
  QPainterPath path;
  for (std::size_t i = 0; i < points.size(); ++i) {
    i == 0 ? path.moveTo(f.At(points[i])) : path.lineTo(f.At(points[i]));
  }
  return path;
}

// The point of a line where it crosses the diagonal, else its middle point.
MapPoint LabelPlace(const std::vector<std::vector<MapPoint>>& line, std::optional<double> diagonal) {
  if (diagonal) return {*diagonal, *diagonal};
  const std::vector<MapPoint>& longest = *std::max_element(
      line.begin(), line.end(), [](const auto& x, const auto& y) { return x.size() < y.size(); });
  return longest[longest.size() / 2];
}

// Diagonal hatching drawn as lines cut to the box by hand, which an SVG
// picture keeps as they are (QSvgGenerator writes neither pattern brushes
// every reader draws nor clipping).
void Hatch(QPainter& painter, const QRectF& box, double spacing) {
  painter.setPen(QPen(kHatch, 1.0));
  const double h = box.height();
  for (double x = box.left() - h; x < box.right(); x += spacing) {
    // The line (x + s, bottom - s), s in [0, h], within left <= x + s <= right.
    const double from = std::max(0.0, box.left() - x);
    const double to = std::min(h, box.right() - x);
    if (to > from) {
      painter.drawLine(QPointF(x + from, box.bottom() - from), QPointF(x + to, box.bottom() - to));
    }
  }
}

void PaintRegions(QPainter& painter, const Frame& f, const Metrics& m, const exact::DomainMap& map) {
  // Beyond the incident shocks' detachment: hatched.
  painter.fillRect(f.plot, Qt::white);
  Hatch(painter, f.plot, m.text * 0.6);
  for (const exact::MapRegion& region : map.regions) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addPolygon([&] {
      QPolygonF polygon;
      for (const MapPoint& q : region.outline) polygon << f.At(q);
      return polygon;
    }());
    path.closeSubpath();
    painter.fillPath(path, Fill(region.kind));
  }
}

void PaintGridAndAxes(QPainter& painter, const Frame& f, const Metrics& m, double step) {
  const int decimals = DecimalsOf(step);
  const QFontMetricsF fm(painter.font());
  const QPen grid(QColor(0, 0, 0, 28), 1.0);
  const QPen axis(kInk, 1.0);
  for (int i = 0;; ++i) {
    const double v = i * step;
    if (v > f.axis_end + 1e-9 * step) break;
    const QPointF x = f.At(v, 0), y = f.At(0, v);
    painter.setPen(grid);
    painter.drawLine(f.At(v, 0), f.At(v, f.axis_end));
    painter.drawLine(f.At(0, v), f.At(f.axis_end, v));
    painter.setPen(axis);
    painter.drawLine(x, x + QPointF(0, m.gap * 0.8));
    painter.drawLine(y, y - QPointF(m.gap * 0.8, 0));
    const QString text = Number(v, decimals);
    const double w = fm.horizontalAdvance(text);
    painter.drawText(QPointF(x.x() - w / 2, x.y() + m.gap + fm.ascent()), text);
    painter.drawText(QPointF(y.x() - m.gap - w - 2, y.y() + fm.ascent() / 2 - 1), text);
  }
  painter.setPen(axis);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(f.plot);

  SetFont(painter, m.text * 1.05);
  const QFontMetricsF title(painter.font());
  const QString a = "TetaA, deflection by shock A (" + QString(QChar(0x00B0)) + ")";
  const QString b = "TetaB, deflection by shock B (" + QString(QChar(0x00B0)) + ")";
  painter.drawText(QPointF(f.plot.center().x() - title.horizontalAdvance(a) / 2,
                           f.plot.bottom() + m.gap + fm.height() + m.gap + title.ascent()),
                   a);
  painter.save();
  const double widest_tick = fm.horizontalAdvance(Number(f.axis_end, decimals));
  painter.translate(f.plot.left() - m.gap - widest_tick - m.gap - title.descent() - 2,
                    f.plot.center().y());
  painter.rotate(-90);
  painter.drawText(QPointF(-title.horizontalAdvance(b) / 2, 0), b);
  painter.restore();
  SetFont(painter, m.text);
}

void PaintLimits(QPainter& painter, const Frame& f, const Metrics& m, const exact::DomainMap& map) {
  const double limit = map.max_deflection;
  QPen dashed(kLimit, std::max(1.0, m.line * 0.6), Qt::DashLine);
  painter.setPen(dashed);
  painter.drawLine(f.At(limit, 0), f.At(limit, limit));
  painter.drawLine(f.At(0, limit), f.At(limit, limit));
  // The diagonal: symmetric intersections.
  painter.setPen(QPen(QColor(0, 0, 0, 90), 1.0, Qt::DotLine));
  painter.drawLine(f.At(0, 0), f.At(limit, limit));
}

void PaintLines(QPainter& painter, const Frame& f, const Metrics& m, const exact::DomainMap& map,
                Labels& labels) {
  painter.setBrush(Qt::NoBrush);
  const auto stroke = [&](const std::vector<std::vector<MapPoint>>& line, const QColor& colour) {
    painter.setPen(QPen(colour, m.line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto& part : line) {
      if (part.size() >= 2) painter.drawPath(PolylinePath(f, part));
    }
  };
  stroke(map.detachment, kDetachment);
  stroke(map.von_neumann, kVonNeumann);
  // thetaN and thetaD on the diagonal; labels keep clear of them.
  const double r = m.line * 1.6;
  const auto dot = [&](std::optional<double> theta, const QColor& colour) {
    if (!theta) return;
    const QPointF at = f.At(*theta, *theta);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(at, r, r);
    labels.placed.push_back(QRectF(at - QPointF(r, r), QSizeF(2 * r, 2 * r)));
  };
  dot(map.theta_N, kVonNeumann);
  dot(map.theta_D, kDetachment);
}

// The names of the lines beside thetaN and thetaD (or beside their middles):
// von Neumann below and left first, detachment above and right.
void LabelLines(QPainter& painter, const Frame& f, const Metrics& m, const exact::DomainMap& map,
                Labels& labels) {
  const double pad = m.text * 0.25;
  const QString theta(QChar(0x03B8));
  if (!map.von_neumann.empty()) {
    QString text = "von Neumann";
    if (map.theta_N) text += ", " + theta + "N = " + Degrees(*map.theta_N);
    labels.Add(painter, f.At(LabelPlace(map.von_neumann, map.theta_N)), m.gap, text,
               {Qt::AlignRight | Qt::AlignTop, Qt::AlignLeft | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom},
               kVonNeumann, pad, f.plot);
  }
  if (!map.detachment.empty()) {
    QString text = "detachment";
    if (map.theta_D) text += ", " + theta + "D = " + Degrees(*map.theta_D);
    labels.Add(painter, f.At(LabelPlace(map.detachment, map.theta_D)), m.gap, text,
               {Qt::AlignLeft | Qt::AlignBottom, Qt::AlignRight | Qt::AlignBottom, Qt::AlignLeft | Qt::AlignTop},
               kDetachment, pad, f.plot);
  }
}

double InputsRadius(const Metrics& m) { return m.text * 0.45; }

void PaintInputs(QPainter& painter, const Frame& f, const Metrics& m, const exact::DomainMap& map,
                 Labels& labels) {
  if (!map.current) return;
  const QPointF at = f.At(*map.current);
  const double r = InputsRadius(m);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, m.line * 1.8));
  painter.drawEllipse(at, r, r);
  painter.setPen(QPen(kInk, m.line * 0.8));
  painter.drawEllipse(at, r, r);
  painter.drawLine(at - QPointF(r * 1.6, 0), at + QPointF(r * 1.6, 0));
  painter.drawLine(at - QPointF(0, r * 1.6), at + QPointF(0, r * 1.6));
  labels.placed.push_back(QRectF(at - QPointF(r * 1.6, r * 1.6), QSizeF(r * 3.2, r * 3.2)));
}

void LabelInputs(QPainter& painter, const Frame& f, const Metrics& m, const exact::DomainMap& map,
                 Labels& labels) {
  if (!map.current) return;
  const QPointF at = f.At(*map.current);
  const QString text = "inputs " + Degrees(map.current->TetaA) + ", " + Degrees(map.current->TetaB) +
                       ": " + RegionName(map.current_kind);
  // Beside the mark, towards the middle of the plot first.
  const Qt::Alignment h = at.x() > f.plot.center().x() ? Qt::AlignRight : Qt::AlignLeft;
  const Qt::Alignment other_h = h == Qt::AlignRight ? Qt::AlignLeft : Qt::AlignRight;
  labels.Add(painter, at, InputsRadius(m) * 1.8, text,
             {h | Qt::AlignBottom, h | Qt::AlignTop, other_h | Qt::AlignBottom, other_h | Qt::AlignTop},
             kInk, m.text * 0.25, f.plot);
}

// The legend's entries: swatch or line sample, then the text.
struct Entry {
  enum class Mark { Swatch, Line, Dashed, Hatched, Inputs } mark;
  QColor colour;
  QString text;
};

std::vector<Entry> LegendEntries(const exact::DomainMap& map) {
  std::vector<Entry> out;
  for (ConfigurationKind kind : {ConfigurationKind::Regular, ConfigurationKind::Dual,
                                 ConfigurationKind::Mach, ConfigurationKind::None}) {
    out.push_back({Entry::Mark::Swatch, Fill(kind), RegionName(kind)});
  }
  out.push_back({Entry::Mark::Line, kVonNeumann, "von Neumann condition"});
  out.push_back({Entry::Mark::Line, kDetachment, "detachment condition"});
  out.push_back({Entry::Mark::Dashed, kLimit,
                 "incident shock detaches (" + Degrees(map.max_deflection) + ")"});
  out.push_back({Entry::Mark::Hatched, kHatch, "beyond detachment"});
  if (map.current) out.push_back({Entry::Mark::Inputs, kInk, "the inputs"});
  return out;
}

// The legend as a block of `columns` columns.
struct LegendLayout {
  int columns = 1;
  double column_width = 0.0;
  double row = 0.0;
  QSizeF Size(std::size_t entries) const {
    const std::size_t rows = (entries + columns - 1) / columns;
    return {columns * column_width, rows * row};
  }
};

LegendLayout LegendFor(QPainter& painter, const Metrics& m, const std::vector<Entry>& entries,
                       int columns) {
  const QFontMetricsF fm(painter.font());
  double widest = 0;
  for (const Entry& e : entries) widest = std::max(widest, fm.horizontalAdvance(e.text));
  return {columns, m.text * 2.2 + widest + m.gap * 3, fm.height() * 1.45};
}

void PaintLegend(QPainter& painter, QPointF top_left, const Metrics& m,
                 const std::vector<Entry>& entries, const LegendLayout& layout) {
  const QFontMetricsF fm(painter.font());
  const double row = layout.row;
  const double sample = m.text * 2.2;
  const std::size_t rows = (entries.size() + layout.columns - 1) / layout.columns;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& e = entries[i];
    const double x = top_left.x() + static_cast<double>(i / rows) * layout.column_width;
    const double y = top_left.y() + static_cast<double>(i % rows) * row;
    const QRectF box(x, y + (row - fm.height()) / 2, sample - m.gap, fm.height());
    const QPointF mid(box.left(), box.center().y());
    switch (e.mark) {
      case Entry::Mark::Swatch:
        painter.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
        painter.setBrush(e.colour);
        painter.drawRect(box);
        break;
      case Entry::Mark::Hatched:
        painter.fillRect(box, Qt::white);
        Hatch(painter, box, m.text * 0.6);
        painter.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        break;
      case Entry::Mark::Line:
      case Entry::Mark::Dashed:
        painter.setPen(QPen(e.colour, e.mark == Entry::Mark::Line ? m.line : std::max(1.0, m.line * 0.6),
                            e.mark == Entry::Mark::Line ? Qt::SolidLine : Qt::DashLine, Qt::FlatCap));
        painter.drawLine(mid, mid + QPointF(box.width(), 0));
        break;
      case Entry::Mark::Inputs: {
        const QPointF c = box.center();
        const double r = m.text * 0.45;
        painter.setPen(QPen(e.colour, m.line * 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(c, r, r);
        painter.drawLine(c - QPointF(r * 1.6, 0), c + QPointF(r * 1.6, 0));
        painter.drawLine(c - QPointF(0, r * 1.6), c + QPointF(0, r * 1.6));
        break;
      }
    }
    painter.setPen(kInk);
    painter.drawText(QPointF(x + sample, y + (row - fm.height()) / 2 + fm.ascent()), e.text);
  }
}

}  // namespace

void PaintDomainMap(QPainter& painter, const QRectF& area, const exact::DomainMap& map) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.fillRect(area, Qt::white);
  painter.setClipRect(area);

  const Metrics m = MetricsFor(area);
  SetFont(painter, m.text);
  const QFontMetricsF fm(painter.font());
  const std::vector<Entry> entries = LegendEntries(map);

  // The axis reaches the next tick at or beyond the incident shock's limit.
  const double step = TickStep(map.max_deflection, 10);
  const double axis_end = std::ceil(map.max_deflection / step - 1e-9) * step;
  const int decimals = DecimalsOf(step);

  const double left = m.gap + fm.height() * 1.1 + m.gap + fm.horizontalAdvance(Number(axis_end, decimals)) + m.gap * 2;
  const double top = m.gap + fm.height() * 1.6 + m.gap;
  const double bottom = m.gap + fm.height() * 2.3 + m.gap * 2;
  // The legend beside the plot, or beneath it in columns, whichever leaves
  // the larger plot.
  const double room_w = area.width() - left - m.gap * 2;
  const double room_h = area.height() - top - bottom;
  const LegendLayout beside = LegendFor(painter, m, entries, 1);
  const double side_beside = std::min(room_w - beside.Size(entries.size()).width() - m.gap * 2, room_h);
  const int columns = std::clamp(static_cast<int>(room_w / beside.column_width), 1, 3);
  const LegendLayout beneath = LegendFor(painter, m, entries, columns);
  const double side_beneath = std::min(room_w, room_h - beneath.Size(entries.size()).height() - m.gap);
  const bool legend_beside = side_beside >= side_beneath;
  const double side = std::max(10.0, legend_beside ? side_beside : side_beneath);
  Frame f;
  f.axis_end = axis_end;
  // Centred across the room left over.
  const double used_w = side + (legend_beside ? beside.Size(entries.size()).width() + m.gap * 3 : 0.0);
  const double used_h = side + (legend_beside ? 0.0 : beneath.Size(entries.size()).height() + m.gap);
  const double shift = std::max(0.0, (room_w - used_w) / 2);
  const double drop = std::max(0.0, (room_h - used_h) / 2);
  f.plot = QRectF(area.left() + left + shift, area.top() + top + drop, side, side);

  // Title.
  SetFont(painter, m.text * 1.25, true);
  painter.setPen(kInk);
  const QString title = "Where each intersection can stand:  M1 = " + QString::number(map.M1, 'g', 6) +
                        ",  " + QString(QChar(0x03B3)) + " = " + QString::number(map.gamma, 'g', 6);
  painter.drawText(QRectF(area.left(), area.top() + drop + m.gap, area.width(), fm.height() * 1.6),
                   Qt::AlignHCenter | Qt::AlignVCenter, title);
  SetFont(painter, m.text);

  PaintRegions(painter, f, m, map);
  PaintLimits(painter, f, m, map);
  PaintGridAndAxes(painter, f, m, step);
  Labels labels;
  PaintLines(painter, f, m, map, labels);
  PaintInputs(painter, f, m, map, labels);
  LabelLines(painter, f, m, map, labels);
  LabelInputs(painter, f, m, map, labels);
  if (legend_beside) {
    PaintLegend(painter, QPointF(f.plot.right() + m.gap * 3, f.plot.top()), m, entries, beside);
  } else {
    const double width = beneath.Size(entries.size()).width();
    PaintLegend(painter,
                QPointF(area.left() + std::max(m.gap, (area.width() - width) / 2), f.plot.bottom() + bottom),
                m, entries, beneath);
  }
  painter.restore();
}

QImage DomainMapImage(const exact::DomainMap& map, QSize size, qreal scale) {
  QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintDomainMap(painter, QRectF(QPointF(0, 0), QSizeF(size)), map);
  painter.end();
  return image;
}

QByteArray DomainMapPng(const exact::DomainMap& map, QSize size, qreal scale) {
  return PngBytes(DomainMapImage(map, size, scale), "the PNG picture of the domain map could not be encoded");
}

QByteArray DomainMapSvg(const exact::DomainMap& map, QSize size) {
  return SvgBytes(
      size, "Domain map",
      "Regular, dual and Mach intersection of two oblique shocks, M1 = " + QString::number(map.M1, 'g', 6),
      [&](QPaintDevice& device) {
        QPainter painter(&device);
        PaintDomainMap(painter, QRectF(QPointF(0, 0), QSizeF(size)), map);
      },
      96);
}

}  // namespace render
