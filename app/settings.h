// Values read once from the settings file's section "Settings": the background gradient,
// whether the background is shown, and the dialog font; plus the screen size.
#pragma once
#include <cstdint>

#include "app/gradient.h"

struct DialogFontSettings {
  int32_t HasFaceName;  // "Text Font" was not empty
  char FaceName[256];
  uint8_t CharSet;      // "Font Character Set", kept as 8 bits
  uint8_t PointSize;    // "Font Character Size", kept as 8 bits
};

struct Settings {
  GradientColors Gradient;
  int32_t NoBackground;  // 0 shows the background window
  DialogFontSettings DialogFont;
  int32_t ScreenWidth;   // HORZRES and VERTRES of the screen
  int32_t ScreenHeight;
};

extern Settings RunSettings;
