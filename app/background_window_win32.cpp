// The background window: always created, hidden unless the settings ask for a gradient.
// It receives the wait timer and its destruction ends the run's message loop.
#include "app/background_window_win32.h"

#include "app/run_state.h"
#include "app/settings.h"
#include "app/windows_state_win32.h"
#include "log/bounded_text.h"

Settings RunSettings;

namespace {
const char ClassName[] = "KPMZUninstall";
const char Section[] = "Settings";

int ReadInt(const char* key, int fallback) {
  return static_cast<int>(GetPrivateProfileIntA(Section, key, fallback, Run.SettingsPath));
}

void PaintGradient(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  GradientBand bands[GradientBandCount];
  ComputeGradientBands(RunSettings.Gradient, client.bottom, bands);
  for (const GradientBand& band : bands) {
    HBRUSH brush = CreateSolidBrush(RGB(band.Red, band.Green, band.Blue));
    HGDIOBJ previous = SelectObject(dc, brush);
    PatBlt(dc, 0, band.Top, client.right, band.Bottom - band.Top, PATCOPY);
    SelectObject(dc, previous);
    DeleteObject(brush);
  }
  EndPaint(window, &paint);
}
}  // namespace

void ReadSettings() {
  int start[3] = {ReadInt("Start Red", 0), ReadInt("Start Green", 0), ReadInt("Start Blue", 255)};
  int end[3] = {ReadInt("End Red", 0), ReadInt("End Green", 0), ReadInt("End Blue", 0)};
  for (int i = 0; i < 3; ++i) {
    RunSettings.Gradient.Start[i] = start[i];
    RunSettings.Gradient.Delta[i] = end[i] - start[i];
  }
  RunSettings.NoBackground = ReadInt("No Background", 1);

  DialogFontSettings& font = RunSettings.DialogFont;
  GetPrivateProfileStringA(Section, "Text Font", "", font.FaceName, sizeof font.FaceName, Run.SettingsPath);
  font.HasFaceName = font.FaceName[0] != '\0';
  font.CharSet = static_cast<uint8_t>(ReadInt("Font Character Set", 0));
  font.PointSize = static_cast<uint8_t>(ReadInt("Font Character Size", 8));

  HDC screen = GetDC(nullptr);
  RunSettings.ScreenWidth = GetDeviceCaps(screen, HORZRES);
  RunSettings.ScreenHeight = GetDeviceCaps(screen, VERTRES);
  ReleaseDC(nullptr, screen);
}

bool CreateBackgroundWindow(bool registerClass, const char* caption) {
  if (registerClass) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = Instance;
    windowClass.hIcon = LoadIconA(Instance, MAKEINTRESOURCEA(101));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = ClassName;
    if (RegisterClassA(&windowClass) == 0) return false;
  }
  BackgroundWindow = CreateWindowExA(0, ClassName, " ", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX, 0, 0,
                                     640, 480, nullptr, nullptr, Instance, nullptr);
  if (BackgroundWindow == nullptr) return false;
  if (caption != nullptr) SetWindowTextA(BackgroundWindow, caption);
  if (!Run.SilentRun && !Run.SecondStage && RunSettings.NoBackground == 0) ShowWindow(BackgroundWindow, SW_SHOWMAXIMIZED);
  UpdateWindow(BackgroundWindow);
  return true;
}

void EndMessageLoop() {
  DestroyWindow(BackgroundWindow);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (BackgroundWindow == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT: PaintGradient(window); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_TIMER: Run.WaitFlag = 0; return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED: return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}
