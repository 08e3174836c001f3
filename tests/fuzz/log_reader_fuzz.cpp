// libFuzzer target: any bytes as an install log, through the grammar, the reader's
// decisions (on a stand-in system where most files exist) and the inspection JSON.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/support/stand_in_reader_system.h"
#include "tools/inspect/log_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  StandInReaderSystem system;
  system.Log.assign(reinterpret_cast<const char*>(bytes), size);
  system.AllFilesExist = true;
  system.MissingWhenContains = "GONE";
  system.SharedDlls.insert("C:\\APP\\SHARED.DLL");
  system.UserStartMenu = "C:\\WINNT\\Profiles\\bob\\Start Menu";
  system.CommonStartMenu = "C:\\WINNT\\Profiles\\All Users\\Start Menu";
  system.ShortForms["C:\\APP"] = "C:\\APP";
  // The last byte picks the platform and the drives, so every path is reachable.
  uint8_t choice = size > 0 ? bytes[size - 1] : 0;
  system.RemovableA = (choice & 1) != 0;
  system.Administrator = (choice & 2) != 0;
  system.Chunk = (choice & 4) != 0 ? 7 : LineBlockSize;
  ReaderSettings settings = {(choice & 8) != 0 ? 1 : 2, 1, (choice & 16) != 0 ? 1 : 0};

  Arena arena;
  InstallData data;
  AllocateInstallData(arena, data);
  char removalRoot[RemovalRootSize];
  if (ReadLog("C:\\APP\\INSTALL.LOG", removalRoot, settings, system, data, arena) == 0) {
    std::string json;
    WriteLogJson(data, removalRoot, json);
  }
  return 0;
}
