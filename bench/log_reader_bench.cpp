// Reads generated install logs of growing size through the log grammar and the reader's
// decisions (with a stand-in system on which the logged files exist) and prints the time
// and memory each takes, so that growth with the log's size can be compared side by side.
// Usage: log_reader_bench [FILE_LINES ...]   (default 50000 100000 200000)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/stand_in_reader_system.h"

namespace {
// A log of fileLines file lines across several sections, with registry, INI, directory,
// icon and program groups in proportion: a tenth of the files live in the System
// directory, a twentieth are missing, and every file appears in two sections.
std::string GenerateLog(int fileLines) {
  std::string log = "***  Zorl benchmark\r\nTitle: Zorl Benchmark Installation\r\n";
  char line[512];
  int files = fileLines / 2;
  for (int section = 0; section < 2; ++section) {
    if (section > 0) log += "***  upgrade\r\n";
    log += "Source: A:\\SETUP.EXE | 01-02-1999 | 10:11:12 | 123456\r\n";
    for (int i = 0; i < files; ++i) {
      const char* dir = i % 10 == 0 ? "C:\\WINDOWS\\SYSTEM" : i % 20 == 1 ? "C:\\ZORL\\GONE" : "C:\\ZORL\\APP";
      std::snprintf(line, sizeof line, "File Copy: %s\\DIR%03d\\FILE%06d.DLL | 01-02-1999 | 10:11:12 |  | %d | %08x\r\n",
                    dir, i % 997, i, i * 7, i * 2654435761u);
      if (i % 10 == 0) std::snprintf(line, sizeof line, "File Copy: %s\\FILE%06d.DLL | 01-02-1999\r\n", dir, i);
      log += line;
      if (i % 50 == 0) log += "Backup Copy: C:\\ZORL\\BACKUP\\FILE.BAK\r\n";
    }
    for (int i = 0; i < fileLines / 10; ++i) {
      std::snprintf(line, sizeof line, "RegDB Key: Software\\Zorl\\Key%05d\r\nRegDB Val: %d\r\nRegDB Name: Value%d\r\n"
                    "RegDB Type: %d\r\nRegDB Root: 2\r\n", i / 8, i, i % 8, i % 5);
      log += line;
      if (i % 3 == 0) log += "RegDB Old: previous\r\nRegDB Old: second line\r\n";
      if (i % 40 == 0) {
        std::snprintf(line, sizeof line, "RegDB Tree: Software\\Zorl\\Tree%05d\r\nRegDB Root: 2\r\n", i);
        log += line;
      }
    }
    for (int i = 0; i < fileLines / 20; ++i) {
      std::snprintf(line, sizeof line, "INI File: C:\\WINDOWS\\ZORL%03d.INI\r\nINI Sect: Section%d\r\nINI Item: Item%d\r\n"
                    "INI Val: v\r\nINI Old: old%d\r\n", i % 200, i / 200 % 50, i, section);
      log += line;
    }
    for (int i = 0; i < fileLines / 100; ++i) {
      std::snprintf(line, sizeof line, "Made Dir: C:\\ZORL\\APP\\DIR%03d\\SUB%d\r\nMade Dir: C:\\ZORL\\APP\\DIR%03d\r\n"
                    "File Tree: D:\\DATA\\TREE%05d\\*.*\r\nIcon Group: Zorl\r\nIcon Name: Item %d\r\nIcon Cmd: C:\\ZORL\\%d.EXE\r\n"
                    "Execute Path: C:\\ZORL\\CLEAN%d.EXE\r\nCreate Service: Zorl%d\r\n",
                    i % 997, i, i % 997, i, i, i, i % 100, i % 50);
      log += line;
    }
    for (int i = 0; i < fileLines / 1000; ++i) {
      std::snprintf(line, sizeof line, "Self-Register: C:\\ZORL\\APP\\DIR%03d\\FILE%06d.DLL\r\nAdd Device: C:\\WINDOWS\\SYSTEM\\FILE%06d.DLL\r\n",
                    (i * 3) % 997, i * 3, i * 10);
      log += line;
    }
  }
  return log;
}

long PeakResidentKilobytes() {
  rusage usage = {};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {50000, 100000, 200000};

  std::printf("%10s %10s %9s %12s %9s %9s %9s %9s %8s %8s %10s %10s\n", "file lines", "log MB", "read s", "lines/s",
              "private", "system", "repair", "ini", "newreg", "dirs", "arena MB", "peak MB");
  for (int fileLines : sizes) {
    StandInReaderSystem system;
    system.AllFilesExist = true;
    system.MissingWhenContains = "\\GONE\\";
    system.Log = GenerateLog(fileLines);
    size_t lines = 0;
    for (char c : system.Log) lines += c == '\n';

    Arena arena;
    InstallData data;
    AllocateInstallData(arena, data);
    char removalRoot[RemovalRootSize];
    ReaderSettings settings = {1, 1, 1};
    auto start = std::chrono::steady_clock::now();
    int result = ReadLog("C:\\ZORL\\APP\\INSTALL.LOG", removalRoot, settings, system, data, arena);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (result != 0) {
      std::fprintf(stderr, "the generated log was not read\n");
      return 1;
    }
    std::printf("%10d %10.1f %9.3f %12.0f %9u %9u %9u %9u %8u %8u %10.1f %10.1f\n", fileLines,
                system.Log.size() / 1048576.0, seconds, lines / seconds, data.PrivateFiles.Count, data.SystemFiles.Count,
                data.RepairOnlyFiles.Count, data.IniEdits.Count, data.NewRegValues.Count, data.CreatedDirs.Count,
                arena.BytesReserved() / 1048576.0, PeakResidentKilobytes() / 1024.0);
  }
  return 0;
}
