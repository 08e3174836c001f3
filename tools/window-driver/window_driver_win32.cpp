// window-driver.exe: finds a top-level window by class and/or title, prints its text and
// the text of its static controls and buttons, and optionally presses one of its buttons.
// GUI tests run it beside the program under test.
//
//   window-driver.exe [--class NAME] [--title TEXT] [--timeout MS] [--press TEXT | --press-id ID]
//   window-driver.exe --list      (every top-level window: handle, class, visible, title)
//
// Output, one line each: "window: TITLE", "class: NAME", "static: TEXT" for every static
// control with text, "button: ID TEXT" for every button. Exit code 0 found (and pressed),
// 1 no such window within the time-out, 2 usage, 3 no such button.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
struct Options {
  const char* className = nullptr;
  const char* title = nullptr;
  DWORD timeout = 10000;
  const char* pressText = nullptr;
  int pressId = -1;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string name = argv[i];
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (name == "--class") options.className = value;
    else if (name == "--title") options.title = value;
    else if (name == "--timeout") options.timeout = static_cast<DWORD>(std::strtoul(value, nullptr, 10));
    else if (name == "--press") options.pressText = value;
    else if (name == "--press-id") options.pressId = std::atoi(value);
    else return false;
  }
  return options.className != nullptr || options.title != nullptr;
}

std::string TextOf(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// A button's text without its "&" accelerator marks.
std::string Plain(const std::string& text) {
  std::string plain;
  for (char c : text)
    if (c != '&') plain += c;
  return plain;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
  std::printf("%p %s %d %s\n", static_cast<void*>(window), ClassOf(window).c_str(), IsWindowVisible(window) ? 1 : 0,
              TextOf(window).c_str());
  return TRUE;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
    EnumWindows(PrintTopLevel, 0);
    return 0;
  }
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: window-driver [--class NAME] [--title TEXT] [--timeout MS] [--press TEXT | --press-id ID]\n");
    return 2;
  }
  HWND window = nullptr;
  DWORD start = GetTickCount();
  for (;;) {
    window = FindWindowA(options.className, options.title);
    if (window != nullptr && IsWindowVisible(window)) break;
    if (GetTickCount() - start >= options.timeout) {
      std::fprintf(stderr, "window-driver: no window of class [%s] titled [%s] within %lu ms\n",
                   options.className ? options.className : "*", options.title ? options.title : "*",
                   static_cast<unsigned long>(options.timeout));
      return 1;
    }
    Sleep(50);
  }
  Sleep(200);  // let the window finish drawing its controls

  std::printf("window: %s\nclass: %s\n", TextOf(window).c_str(), ClassOf(window).c_str());
  std::vector<HWND> children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  HWND pressed = nullptr;
  for (HWND child : children) {
    std::string kind = ClassOf(child);
    std::string text = TextOf(child);
    int id = GetDlgCtrlID(child);
    if (CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, kind.c_str(), -1, "Static", -1) == CSTR_EQUAL) {
      if (!text.empty()) std::printf("static: %s\n", text.c_str());
    } else if (CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, kind.c_str(), -1, "Button", -1) == CSTR_EQUAL) {
      std::printf("button: %d %s\n", id, text.c_str());
      if ((options.pressText != nullptr && Plain(text) == Plain(options.pressText)) || id == options.pressId)
        pressed = child;
    }
  }
  std::fflush(stdout);
  if (options.pressText == nullptr && options.pressId < 0) return 0;
  if (pressed == nullptr) {
    std::fprintf(stderr, "window-driver: no such button\n");
    return 3;
  }
  // The owner hears of the click as the button itself would tell it.
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(pressed), BN_CLICKED), reinterpret_cast<LPARAM>(pressed));
  std::printf("pressed: %d\n", GetDlgCtrlID(pressed));
  return 0;
}
