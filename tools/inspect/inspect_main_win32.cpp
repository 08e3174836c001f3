// unzorl-inspect.exe LOGPATH: reads an install log exactly as the uninstaller does, on
// this machine, and prints what the reader found as one JSON object. It shows no window:
// the reader's messages go to standard error. Exit code 0 read, 1 not read, 2 usage.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/message_text.h"
#include "app/run_state.h"
#include "log/bounded_text.h"
#include "log/reader_system_win32.h"
#include "tools/inspect/log_json.h"

namespace {
// The reader on the real system, with its messages written to standard error.
class ConsoleReaderSystem : public Win32ReaderSystem {
 public:
  ConsoleReaderSystem() : Win32ReaderSystem(nullptr) {}
  void ShowMessage(unsigned text, unsigned caption) override {
    char message[512];
    MessageText(text, message, sizeof message);
    std::fprintf(stderr, "%s\n", message);
  }
  void SetTitleCaption(const char*) override {}
};

// The platform as start-up determines it.
void DeterminePlatform() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  Run.PlatformKind = version.dwPlatformId == VER_PLATFORM_WIN32_NT ? PlatformNT : Platform95;
  Run.NewShell = version.dwMajorVersion >= 4 ? 1 : 0;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    std::fprintf(stderr, "usage: unzorl-inspect LOGPATH\n");
    return 2;
  }
  DeterminePlatform();
  // Texts come from this program's string table, or from a settings file beside it.
  char settings[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, settings, sizeof settings);
  if (length > 4 && length < sizeof settings) CopyText(settings + length - 3, 4, "INI");
  CopyText(Run.SettingsPath, settings);
  Run.HasSecondArgument = 1;  // no caption to set

  char logPath[MAX_PATH];
  if (GetFullPathNameA(argv[1], sizeof logPath, logPath, nullptr) == 0) CopyText(logPath, argv[1]);

  AllocateInstallData(RunArena, Log);
  ConsoleReaderSystem system;
  ReaderSettings readerSettings = {Run.PlatformKind, Run.NewShell, Run.HasSecondArgument};
  char removalRoot[RemovalRootSize] = "";
  if (ReadLog(logPath, removalRoot, readerSettings, system, Log, RunArena) != 0) return 1;

  std::string json;
  WriteLogJson(Log, removalRoot, json);
  _setmode(_fileno(stdout), _O_BINARY);  // byte for byte: no CR before each LF
  std::fwrite(json.data(), 1, json.size(), stdout);
  std::fflush(stdout);
  return 0;
}
