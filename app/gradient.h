// The background window's vertical colour gradient: 96 horizontal bands from the start
// colour at the top to the end colour at the bottom.
#pragma once

const int GradientBandCount = 96;

struct GradientColors {
  int Start[3];  // red, green, blue of the top band, as read from the settings
  int Delta[3];  // end minus start, per component
};

struct GradientBand {
  int Top;     // the previous band's bottom; -1 for the first band
  int Bottom;  // (i + 1) * height / 96
  unsigned char Red, Green, Blue;
};

// Computes the bands for a client area of the given height. Each component is
// start + delta * i / 95 (truncated toward zero), limited to 0..255.
void ComputeGradientBands(const GradientColors& colors, int height, GradientBand* bands);
