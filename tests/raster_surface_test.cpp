#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/calc_state.h"
#include "diagram/colours.h"
#include "diagram/diagram.h"
#include "platform/runtime_error.h"
#include "render/raster_surface.h"

using render::RasterSurface;

namespace {

const QRgb kYellow = qRgb(255, 255, 192);
const QRgb kAxis = qRgb(5, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);

const QRgb kBackground = kYellow & 0xFFFFFF;

// Colour of the logical pixel (x, y) where all of its device pixels agree, as
// they must for points and axis-parallel lines; a curve may cover part of it.
QRgb Logical(const QImage& image, int x, int y) {
  const int dpr = static_cast<int>(image.devicePixelRatio());
  const QRgb first = image.pixel(x * dpr, y * dpr) & 0xFFFFFF;
  for (int dy = 0; dy < dpr; ++dy) {
    for (int dx = 0; dx < dpr; ++dx) {
      if ((image.pixel(x * dpr + dx, y * dpr + dy) & 0xFFFFFF) != first) {
        ADD_FAILURE() << "logical pixel (" << x << ", " << y << ") is not one colour";
      }
    }
  }
  return first;
}

// Colours of the device pixels of logical pixel (x, y) that are not background.
std::vector<QRgb> InkOf(const QImage& image, int x, int y) {
  const int dpr = static_cast<int>(image.devicePixelRatio());
  std::vector<QRgb> ink;
  for (int dy = 0; dy < dpr; ++dy) {
    for (int dx = 0; dx < dpr; ++dx) {
      const QRgb c = image.pixel(x * dpr + dx, y * dpr + dy) & 0xFFFFFF;
      if (c != kBackground) ink.push_back(c);
    }
  }
  return ink;
}

std::string Hex(QRgb c) { return QColor(c).name().toStdString(); }

// Logical pixels with any ink on them, row by row.
std::vector<QPoint> Drawn(const QImage& image) {
  std::vector<QPoint> drawn;
  const int dpr = static_cast<int>(image.devicePixelRatio());
  for (int y = 0; y < image.height() / dpr; ++y) {
    for (int x = 0; x < image.width() / dpr; ++x) {
      if (!InkOf(image, x, y).empty()) drawn.emplace_back(x, y);
    }
  }
  return drawn;
}

// How many device pixels differ from the background.
int DrawnDevicePixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) != kBackground;
  }
  return n;
}

}  // namespace

class RasterSurfaceAtRatio : public ::testing::TestWithParam<int> {};

TEST_P(RasterSurfaceAtRatio, ImageHoldsDevicePixelsOnYellow) {
  const int dpr = GetParam();
  RasterSurface surface(QSize(357, 333), dpr);
  EXPECT_EQ(surface.Image().size(), QSize(357 * dpr, 333 * dpr));
  EXPECT_EQ(surface.Image().devicePixelRatio(), dpr);
  EXPECT_EQ(surface.LogicalSize(), QSize(357, 333));
  EXPECT_EQ(surface.Image().pixel(0, 0) & 0xFFFFFF, kBackground);
  EXPECT_EQ(DrawnDevicePixels(surface.Image()), 0);
}

TEST_P(RasterSurfaceAtRatio, PointIsOneLogicalPixel) {
  const int dpr = GetParam();
  RasterSurface surface(QSize(10, 10), dpr);
  surface.Scale(0, 10, 10, 0);  // y up, one unit per pixel
  surface.PSet(3.5f, 2.2f, 255);
  // x 3.5 lies in column 3; y 2.2 is 7.8 pixels below the top: row 7.
  const std::vector<QPoint> drawn = Drawn(surface.Image());
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0], QPoint(3, 7));
  EXPECT_EQ(DrawnDevicePixels(surface.Image()), dpr * dpr);
  EXPECT_EQ(Logical(surface.Image(), 3, 7), kRed & 0xFFFFFF);
}

TEST_P(RasterSurfaceAtRatio, ColourBytesRedLowest) {
  RasterSurface surface(QSize(8, 2), GetParam());
  const platform::Colour colours[] = {5, 255, 65280, 16711680, 0x123456};
  for (int i = 0; i < 5; ++i) surface.PSet(float(i) + 0.5f, 0.5f, colours[i]);
  EXPECT_EQ(Hex(Logical(surface.Image(), 0, 0)), "#050000");
  EXPECT_EQ(Hex(Logical(surface.Image(), 1, 0)), "#ff0000");
  EXPECT_EQ(Hex(Logical(surface.Image(), 2, 0)), "#00ff00");
  EXPECT_EQ(Hex(Logical(surface.Image(), 3, 0)), "#0000ff");
  EXPECT_EQ(Hex(Logical(surface.Image(), 4, 0)), "#563412");
}

TEST_P(RasterSurfaceAtRatio, LinesAreOnePixelWideEndToEnd) {
  const int dpr = GetParam();
  RasterSurface surface(QSize(20, 20), dpr);
  surface.Scale(-10, 10, 10, -10);
  surface.Line(-8, 0, 8, 0, 5);   // row 10, columns 2 to 18
  surface.Line(0, 0, 0, 7.5f, 5);  // column 10, rows 2 to 10
  std::vector<QPoint> expected;
  for (int y = 2; y < 10; ++y) expected.emplace_back(10, y);
  for (int x = 2; x <= 18; ++x) expected.emplace_back(x, 10);
  const std::vector<QPoint> drawn = Drawn(surface.Image());
  EXPECT_EQ(drawn, expected);
  for (const QPoint& p : drawn) EXPECT_EQ(Logical(surface.Image(), p.x(), p.y()), kAxis & 0xFFFFFF);
  EXPECT_EQ(DrawnDevicePixels(surface.Image()), int(expected.size()) * dpr * dpr);
}

TEST_P(RasterSurfaceAtRatio, CircleIsRoundHollowAndHorizontal) {
  RasterSurface surface(QSize(60, 60), GetParam());
  // 3 pixels per unit across, 6 pixels per unit down: radius 5 is 15 pixels.
  surface.Scale(0, 10, 20, 0);
  surface.Circle(10, 5, 5, 16711680);
  const std::vector<QPoint> drawn = Drawn(surface.Image());
  ASSERT_FALSE(drawn.empty());
  int left = 60, right = -1, top = 60, bottom = -1;
  for (const QPoint& p : drawn) {
    left = std::min(left, p.x());
    right = std::max(right, p.x());
    top = std::min(top, p.y());
    bottom = std::max(bottom, p.y());
    for (const QRgb c : InkOf(surface.Image(), p.x(), p.y())) EXPECT_EQ(c, kBlue & 0xFFFFFF);
  }
  // Centre pixel (30, 30); the outline spans 2 r = 30 pixels both ways.
  EXPECT_NEAR(right - left, 30, 1);
  EXPECT_NEAR(bottom - top, 30, 1);
  EXPECT_NEAR((left + right) / 2.0, 30.5, 1);
  EXPECT_NEAR((top + bottom) / 2.0, 30.5, 1);
  EXPECT_TRUE(InkOf(surface.Image(), 30, 30).empty());  // hollow
}

TEST_P(RasterSurfaceAtRatio, ClsErasesToYellowAndKeepsScale) {
  RasterSurface surface(QSize(20, 20), GetParam());
  surface.Scale(0, 1, 1, 0);
  surface.Line(0.1f, 0.1f, 0.9f, 0.9f, 255);
  ASSERT_FALSE(Drawn(surface.Image()).empty());
  surface.Cls();
  EXPECT_EQ(DrawnDevicePixels(surface.Image()), 0);
  surface.PSet(0.25f, 0.25f, 65280);  // the same coordinates still hold
  ASSERT_EQ(Drawn(surface.Image()).size(), 1u);
  EXPECT_EQ(Drawn(surface.Image())[0], QPoint(5, 15));
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatio, RasterSurfaceAtRatio, ::testing::Values(1, 2));

TEST(RasterSurface, TellsWhatChanged) {
  RasterSurface surface(QSize(40, 30));
  std::vector<QRectF> changed;
  surface.SetChangedHandler([&](const QRectF& r) { changed.push_back(r); });

  surface.Scale(0, 0, 40, 30);
  EXPECT_TRUE(changed.empty());  // no pixel changes

  surface.Cls();
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed.back(), QRectF(0, 0, 40, 30));

  surface.PSet(7.5f, 3.2f, 255);
  ASSERT_EQ(changed.size(), 2u);
  EXPECT_EQ(changed.back(), QRectF(7, 3, 1, 1));

  surface.Line(2, 20, 30, 10, 255);
  ASSERT_EQ(changed.size(), 3u);
  for (const QPoint& p : Drawn(surface.Image())) {
    if (p.y() >= 10) {
      EXPECT_TRUE(changed.back().contains(QPointF(p) + QPointF(0.5, 0.5)));
    }
  }

  surface.Circle(20, 15, 5, 255);
  ASSERT_EQ(changed.size(), 4u);
  EXPECT_TRUE(changed.back().contains(QRectF(15, 10, 11, 11)));
}

TEST(RasterSurface, DegenerateScaleRaisesAndKeepsMapping) {
  RasterSurface surface(QSize(10, 10));
  surface.Scale(0, 10, 10, 0);
  try {
    surface.Scale(0, 5, 10, 5);
    ADD_FAILURE() << "no error raised";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Kind(), platform::ErrorKind::InvalidArgument);
  }
  surface.PSet(1.5f, 8.5f, 255);
  ASSERT_EQ(Drawn(surface.Image()).size(), 1u);
  EXPECT_EQ(Drawn(surface.Image())[0], QPoint(1, 1));
}

TEST(RasterSurface, PointsOutsideTheBoxAreDropped) {
  RasterSurface surface(QSize(10, 10));
  surface.PSet(-0.5f, 5, 255);
  surface.PSet(10, 5, 255);
  surface.PSet(5, 1e30f, 255);
  EXPECT_EQ(DrawnDevicePixels(surface.Image()), 0);
}

// The start inputs drawn as the Calculate command draws them, on the size of
// the main window's diagram box.
constexpr double kM2 = 2.5050342351524324, kP2 = 2.0544479651940457;
constexpr double kM3 = 2.7497129835204452, kP3 = 1.453980801749747;

QImage RenderDefault(int dpr, bool markers) {
  calc::CalcState state;
  calc::FillConstants(state);
  state.PolarSteps = 100;

  RasterSurface surface(QSize(357, 333), dpr);
  diagram::PrepareDiagram(surface, kM2, kP2, kM3, kP3);
  diagram::P_Teta_Çiz(state, surface, 0, 1, 3, diagram::kBlue);
  if (markers) {
    diagram::DrawMarker(surface, 10, kP2, diagram::kBlue);
    diagram::DrawMarker(surface, -5, kP3, diagram::kBlue);
  }
  diagram::P_Teta_Çiz(state, surface, 10 * state.DegToRad, kP2, kM2, diagram::kRed);
  diagram::P_Teta_Çiz(state, surface, -5 * state.DegToRad, kP3, kM3, diagram::kGreen);
  return surface.Image();
}

class DefaultDiagram : public ::testing::TestWithParam<int> {};

TEST_P(DefaultDiagram, AxesPolarsAndBackground) {
  const int dpr = GetParam();
  const QImage image = RenderDefault(dpr, true);

  if (const char* dir = std::getenv("SHOCKS_DIAGRAM_PNG_DIR")) {
    const QString name = dpr == 1 ? "/diagram-default.png" : "/diagram-default@2x.png";
    EXPECT_TRUE(image.save(QString::fromLocal8Bit(dir) + name, "PNG"));
  }

  // Column = (x + 50) * 3.57, row = (1.2 Pmax - y) / (1.4 Pmax) * 333, each
  // taken down to the whole pixel: the origin is at (178.5, 285.43).
  const QRgb axis = kAxis & 0xFFFFFF;
  EXPECT_EQ(Logical(image, 35, 285), axis);   // x = -40: 35.7
  EXPECT_EQ(Logical(image, 100, 285), axis);
  EXPECT_EQ(Logical(image, 321, 285), axis);  // x = 40: 321.3
  EXPECT_EQ(Logical(image, 34, 285), kBackground);
  EXPECT_EQ(Logical(image, 322, 285), kBackground);
  EXPECT_EQ(Logical(image, 178, 284), axis);  // pressure axis, just above the origin
  EXPECT_EQ(Logical(image, 178, 200), axis);
  EXPECT_EQ(Logical(image, 178, 47), axis);   // its end at Pmax: 47.57
  EXPECT_EQ(Logical(image, 178, 46), kBackground);
  EXPECT_EQ(Logical(image, 177, 200), kBackground);
  EXPECT_EQ(Logical(image, 179, 200), kBackground);

  // Free-stream polar: normal-shock top (0, 10.33) on the axis, widest pair at
  // x = +-34.07, p = 8.50 (columns 300.14 and 56.86, row 137.21).
  EXPECT_EQ(Logical(image, 178, 105), kBlue & 0xFFFFFF);
  EXPECT_EQ(Logical(image, 300, 137), kBlue & 0xFFFFFF);
  EXPECT_EQ(Logical(image, 56, 137), kBlue & 0xFFFFFF);
  // Polar of region 2 from its point (10, p2) at (214.2, 249.61) to its top
  // (10, 14.70) at row 29.19; polar of region 3 from (-5, p3) at (160.65,
  // 260.08) to (-5, 12.58) at row 66.06.
  EXPECT_EQ(Logical(image, 214, 249), kRed & 0xFFFFFF);
  EXPECT_EQ(Logical(image, 214, 29), kRed & 0xFFFFFF);
  EXPECT_EQ(Logical(image, 160, 260), kGreen & 0xFFFFFF);
  EXPECT_EQ(Logical(image, 160, 66), kGreen & 0xFFFFFF);

  // Far from every item: the corners, above the axis end, below the axis.
  for (const QPoint p : {QPoint(0, 0), QPoint(356, 0), QPoint(0, 332), QPoint(356, 332),
                         QPoint(178, 20), QPoint(100, 310), QPoint(20, 150), QPoint(340, 150)}) {
    EXPECT_EQ(Logical(image, p.x(), p.y()), kBackground) << p.x() << ", " << p.y();
  }
  // Only the three polar colours, the axis colour and the background appear.
  for (const QPoint& p : Drawn(image)) {
    for (const QRgb c : InkOf(image, p.x(), p.y())) {
      EXPECT_TRUE(c == (kAxis & 0xFFFFFF) || c == (kBlue & 0xFFFFFF) || c == (kRed & 0xFFFFFF) ||
                  c == (kGreen & 0xFFFFFF))
          << Hex(c) << " at " << p.x() << ", " << p.y();
    }
  }
}

TEST_P(DefaultDiagram, MarkersRingTheRegionPoints) {
  const int dpr = GetParam();
  const QImage with = RenderDefault(dpr, true);
  const QImage without = RenderDefault(dpr, false);
  // Marker radius 0.7 degrees is 2.5 pixels around the centres of pixels
  // (214, 249) and (160, 260); what the markers add is blue and lies there.
  int near_region_2 = 0, near_region_3 = 0;
  for (int y = 0; y < with.height(); ++y) {
    for (int x = 0; x < with.width(); ++x) {
      if (with.pixel(x, y) == without.pixel(x, y)) continue;
      EXPECT_EQ(with.pixel(x, y) & 0xFFFFFF, kBlue & 0xFFFFFF);
      const QPointF at = QPointF(x + 0.5, y + 0.5) / dpr;
      const QPointF from_2 = at - QPointF(214.5, 249.5);
      const QPointF from_3 = at - QPointF(160.5, 260.5);
      const double d2 = std::hypot(from_2.x(), from_2.y());
      const double d3 = std::hypot(from_3.x(), from_3.y());
      if (std::fabs(d2 - 2.5) < 1.5) ++near_region_2;
      else if (std::fabs(d3 - 2.5) < 1.5) ++near_region_3;
      else ADD_FAILURE() << "marker ink away from the region points at " << at.x() << ", " << at.y();
    }
  }
  // Most of the ring survives the polars drawn over it.
  EXPECT_GE(near_region_2, 6 * dpr * dpr);
  EXPECT_GE(near_region_3, 6 * dpr * dpr);
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatio, DefaultDiagram, ::testing::Values(1, 2));
