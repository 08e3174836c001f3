// The background gradient's band table.
#include <gtest/gtest.h>

#include "app/gradient.h"

namespace {
GradientColors Colors(int r0, int g0, int b0, int r1, int g1, int b1) {
  return GradientColors{{r0, g0, b0}, {r1 - r0, g1 - g0, b1 - b0}};
}

TEST(Gradient, DefaultColoursRunFromBlueToBlack) {
  GradientBand bands[GradientBandCount];
  ComputeGradientBands(Colors(0, 0, 255, 0, 0, 0), 960, bands);
  EXPECT_EQ(-1, bands[0].Top);
  EXPECT_EQ(10, bands[0].Bottom);
  EXPECT_EQ(255, bands[0].Blue);
  EXPECT_EQ(255 - 255 * 48 / 95, bands[48].Blue);
  EXPECT_EQ(0, bands[95].Blue);  // the last band is exactly the end colour
  EXPECT_EQ(960, bands[95].Bottom);
  for (int i = 1; i < GradientBandCount; ++i) EXPECT_EQ(bands[i - 1].Bottom, bands[i].Top);
}

TEST(Gradient, ComponentsAreLimitedAndTruncateTowardZero) {
  GradientBand bands[GradientBandCount];
  // Start red 300 fading to 0: limited to 255 while 300 - 300 * i / 95 exceeds 255.
  ComputeGradientBands(Colors(300, 10, 0, 0, 0, 100), 96, bands);
  EXPECT_EQ(255, bands[0].Red);
  EXPECT_EQ(255, bands[14].Red);  // 300 - 4200/95 = 300 - 44 = 256
  EXPECT_EQ(253, bands[15].Red);  // 300 - 4500/95 = 300 - 47
  EXPECT_EQ(0, bands[95].Red);
  EXPECT_EQ(10 - 10 * 50 / 95, bands[50].Green);  // -500/95 truncates to -5
  EXPECT_EQ(5, bands[50].Green);
  ComputeGradientBands(Colors(-20, 0, 0, 0, 0, 0), 96, bands);
  EXPECT_EQ(0, bands[0].Red);  // below zero is limited to 0
}

TEST(Gradient, LowWindowsGiveEmptyBandsButCoverTheArea) {
  GradientBand bands[GradientBandCount];
  ComputeGradientBands(Colors(0, 0, 255, 0, 0, 0), 40, bands);
  int empty = 0;
  for (const GradientBand& band : bands) empty += band.Bottom == band.Top;
  EXPECT_GT(empty, 0);
  EXPECT_EQ(-1, bands[0].Top);
  EXPECT_EQ(40, bands[95].Bottom);
}
}  // namespace
