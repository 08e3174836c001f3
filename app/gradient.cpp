// Band geometry and colours of the background gradient.
#include "app/gradient.h"

namespace {
unsigned char Component(int start, int delta, int band) {
  int value = start + delta * band / (GradientBandCount - 1);
  if (value < 0) value = 0;
  if (value > 255) value = 255;
  return static_cast<unsigned char>(value);
}
}  // namespace

void ComputeGradientBands(const GradientColors& colors, int height, GradientBand* bands) {
  int top = -1;
  for (int i = 0; i < GradientBandCount; ++i) {
    GradientBand& band = bands[i];
    band.Top = top;
    band.Bottom = (i + 1) * height / GradientBandCount;
    band.Red = Component(colors.Start[0], colors.Delta[0], i);
    band.Green = Component(colors.Start[1], colors.Delta[1], i);
    band.Blue = Component(colors.Start[2], colors.Delta[2], i);
    top = band.Bottom;
  }
}
