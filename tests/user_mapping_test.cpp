#include <gtest/gtest.h>

#include "diagram/user_mapping.h"

using diagram::PixelPosition;
using diagram::ToPixel;
using diagram::UserMapping;

namespace {

// The default diagram on a 357 x 333 pixel box: top = 1.2 Pmax, bottom = -0.2 Pmax.
const UserMapping kDiagram{-50, 16.3726634570634, 50, -2.7287772428439, 357, 333};

}  // namespace

TEST(UserMapping, CornersLandOnBoxCorners) {
  const PixelPosition upper_left = ToPixel(kDiagram, -50, 16.3726634570634);
  EXPECT_EQ(upper_left.x, 0.0);
  EXPECT_EQ(upper_left.y, 0.0);
  const PixelPosition lower_right = ToPixel(kDiagram, 50, -2.7287772428439);
  EXPECT_EQ(lower_right.x, 357.0);
  EXPECT_EQ(lower_right.y, 333.0);
}

TEST(UserMapping, PressureGrowsUpward) {
  // The origin lies 1.2 / 1.4 of the height down and half way across.
  const PixelPosition origin = ToPixel(kDiagram, 0, 0);
  EXPECT_NEAR(origin.x, 178.5, 1e-12);
  EXPECT_NEAR(origin.y, 333.0 * 6 / 7, 1e-9);
  // Pmax lies 0.2 / 1.4 of the height down.
  const PixelPosition axis_end = ToPixel(kDiagram, 0, 13.6438862142195);
  EXPECT_NEAR(axis_end.y, 333.0 / 7, 1e-9);
  EXPECT_LT(axis_end.y, origin.y);
  // Ten degrees is 35.7 pixels to the right.
  EXPECT_NEAR(ToPixel(kDiagram, 10, 0).x - origin.x, 35.7, 1e-12);
}

TEST(UserMapping, LinearBetweenAnyCorners) {
  const UserMapping plain{0, 0, 100, 10, 200, 50};  // y grows downward here
  EXPECT_EQ(ToPixel(plain, 25, 5).x, 50.0);
  EXPECT_EQ(ToPixel(plain, 25, 5).y, 25.0);
  EXPECT_EQ(ToPixel(plain, -50, 20).x, -100.0);  // outside the box stays linear
  EXPECT_EQ(ToPixel(plain, -50, 20).y, 100.0);

  const UserMapping mirrored{10, 0, -10, 4, 40, 8};  // x grows to the left
  EXPECT_EQ(ToPixel(mirrored, 5, 1).x, 10.0);
  EXPECT_EQ(ToPixel(mirrored, 5, 1).y, 2.0);
}

TEST(UserMapping, HorizontalLengthInPixels) {
  EXPECT_NEAR(diagram::HorizontalPixels(kDiagram, 0.7), 2.499, 1e-12);
  const UserMapping mirrored{10, 0, -10, 4, 40, 8};
  EXPECT_EQ(diagram::HorizontalPixels(mirrored, 3), 6.0);
  // The vertical scale (2 pixels per unit here) plays no part.
  const UserMapping stretched{0, 0, 10, 40, 100, 80};
  EXPECT_EQ(diagram::HorizontalPixels(stretched, 2), 20.0);
}

TEST(UserMapping, PixelMappingBeforeScale) {
  const UserMapping pixels = diagram::PixelMapping(357, 333);
  EXPECT_EQ(ToPixel(pixels, 12.5, 300).x, 12.5);
  EXPECT_EQ(ToPixel(pixels, 12.5, 300).y, 300.0);
  EXPECT_EQ(diagram::HorizontalPixels(pixels, 4), 4.0);
}

TEST(UserMapping, DegenerateBoxes) {
  EXPECT_FALSE(diagram::IsDegenerate(kDiagram));
  EXPECT_TRUE(diagram::IsDegenerate(UserMapping{1, 0, 1, 5, 10, 10}));
  EXPECT_TRUE(diagram::IsDegenerate(UserMapping{0, 2, 5, 2, 10, 10}));
}
