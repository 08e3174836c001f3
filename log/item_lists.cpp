// Allocation of the run's lists and the growing table of installation sources.
#include "log/item_lists.h"

void SourceTable::Set(Arena& arena, uint32_t installNo, const char* text) {
  if (installNo >= Capacity) {
    uint32_t capacity = Capacity == 0 ? 1024 : Capacity;
    while (capacity <= installNo) capacity *= 2;
    char** entries = static_cast<char**>(arena.Alloc(sizeof(char*) * capacity));
    for (uint32_t i = 0; i < Capacity; ++i) entries[i] = Entries[i];
    Entries = entries;
    Capacity = capacity;
  }
  Entries[installNo] = arena.CopyOf(text);
}

void AllocateInstallData(Arena& arena, InstallData& data) {
  data = InstallData();
  data.LogTitle = static_cast<char*>(arena.Alloc(LogTitleSize));
  data.SystemDirectory = static_cast<char*>(arena.Alloc(SystemDirectorySize));
  data.PrivateFiles.Reserve(arena, 48000);
  data.SystemFiles.Reserve(arena, 16000);
  data.RepairOnlyFiles.Reserve(arena, 16000);
  data.EditedFiles.Reserve(arena, 16000);
  data.CreatedDirs.Reserve(arena, 16000);
  data.NewIniFiles.Reserve(arena, 16000);
  data.IniEdits.Reserve(arena, 16000);
  data.NewRegValues.Reserve(arena, 16000);
  data.RegTrees.Reserve(arena, 16000);
  data.ChangedRegValues.Reserve(arena, 16000);
  data.RegValueWrites.Reserve(arena, 16000);
  data.Icons.Reserve(arena, 16000);
  data.Programs.Reserve(arena, 16000);
  data.Services.Reserve(arena, 16000);
  data.InstallSources.Entries = static_cast<char**>(arena.Alloc(sizeof(char*) * 1024));
  data.InstallSources.Capacity = 1024;
}
