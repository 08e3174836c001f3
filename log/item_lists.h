// The records and lists that hold what the install log recorded, and the single
// values the reader sets. One InstallData holds everything the run acts on.
#pragma once
#include <cstdint>

#include "log/arena.h"

typedef uint16_t InstallNumber;  // 1 = first section of the log; 0 = never logged

// Registry root and type numbers of the log, and the number given to the log's own
// directory so that it is in range of both uninstall and rollback.
const InstallNumber OwnDirInstallNo = 32767;

struct FileItem {
  FileItem* Left;
  FileItem* Right;
  char Path[260];
  char BackupPath[260];
  char Details[80];
  char* LinkInfo;
  int32_t Selected;
  int32_t AutoSelect;
  InstallNumber SelfRegInstallNo;
  InstallNumber DeviceInstallNo;
  InstallNumber InstallNo;
  InstallNumber BackupInstallNo;
  InstallNumber RepairInstallNo;
  InstallNumber CounterInstallNo;
  int32_t CounterUses;
};

struct SystemFileItem {
  char Path[260];
  char BackupPath[260];
  char Details[80];
  char* LinkInfo;
  int32_t Removable;
  InstallNumber SelfRegInstallNo;
  InstallNumber DeviceInstallNo;
  InstallNumber InstallNo;
  InstallNumber BackupInstallNo;
  InstallNumber RepairInstallNo;
  InstallNumber CounterInstallNo;
  int32_t CounterUses;
};

struct RepairFileItem {
  char Path[260];
  char Details[80];
  char* LinkInfo;
  InstallNumber InstallNo;
};

struct FileEditItem {
  char Path[260];
  char BackupPath[260];
  InstallNumber InstallNo;
};

struct DirItem {
  char Path[260];
  int32_t Selected;
  InstallNumber TreeInstallNo;
  InstallNumber MadeInstallNo;
};

struct IniFileItem {
  char Path[260];
  int32_t Selected;
  InstallNumber InstallNo;
};

struct IniEditItem {
  IniEditItem* Left;
  IniEditItem* Right;
  char File[260];
  char Section[256];
  char Item[256];
  char OldValue[512];
  char LatestOldValue[512];
  int32_t Selected;
  InstallNumber InstallNo;
};

struct RegValueItem {
  RegValueItem* Left;
  RegValueItem* Right;
  char Key[260];
  char ValueName[256];
  char RootText[12];
  int32_t Root;
  int32_t Selected;
  InstallNumber InstallNo;
};

struct RegChangeItem {
  RegChangeItem* Left;
  RegChangeItem* Right;
  char Key[256];
  char ValueName[256];
  char RootText[12];
  char OldValues[2048];  // one terminated string per old line, then an empty string
  char LatestOldValue[2048];
  int32_t Root;
  int32_t Type;
  int32_t Selected;
  InstallNumber InstallNo;
};

struct RegWriteEntry {
  int32_t HasOld;  // 1: Target is a RegChangeItem; 0: a RegValueItem
  int32_t Type;
  void* Target;
  char* Data;
};

struct RegTreeItem {
  char Key[256];
  int32_t Root;
  int32_t Selected;
  InstallNumber InstallNo;
};

struct IconItem {
  char Group[256];
  char Name[256];
  char Command[256];
  int32_t Selected;
  InstallNumber InstallNo;
};

struct ProgramItem {
  char Path[260];
  char Name[256];
  int32_t Selected;
  InstallNumber InstallNo;
};

struct ServiceItem {
  char Name[260];
  int32_t Selected;
  InstallNumber InstallNo;
};

// An array of record pointers in the arena. Records are never moved; when the array
// is full a larger one is carved from the arena and the pointers are copied over.
template <class T>
struct ItemList {
  T** Items;
  uint32_t Count;
  uint32_t Capacity;

  T* operator[](uint32_t i) const { return Items[i]; }
  T** begin() const { return Items; }
  T** end() const { return Items + Count; }

  // Sets up an empty list with room for capacity entries.
  void Reserve(Arena& arena, uint32_t capacity) {
    Items = static_cast<T**>(arena.Alloc(sizeof(T*) * capacity));
    Count = 0;
    Capacity = capacity;
  }
  // Appends a new zero-filled record and returns it.
  T* Append(Arena& arena) {
    if (Count == Capacity) Grow(arena);
    T* record = static_cast<T*>(arena.Alloc(sizeof(T)));
    Items[Count++] = record;
    return record;
  }

 private:
  void Grow(Arena& arena) {
    uint32_t capacity = Capacity < 16 ? 16 : Capacity * 2;
    T** items = static_cast<T**>(arena.Alloc(sizeof(T*) * capacity));
    for (uint32_t i = 0; i < Count; ++i) items[i] = Items[i];
    Items = items;
    Capacity = capacity;
  }
};

// The source text of each installation, indexed by installation number. The table
// grows with the log, so every section keeps its source however many there are.
struct SourceTable {
  char** Entries;
  uint32_t Capacity;

  const char* Get(uint32_t installNo) const { return installNo < Capacity ? Entries[installNo] : nullptr; }
  void Clear(uint32_t installNo) {
    if (installNo < Capacity) Entries[installNo] = nullptr;
  }
  void Set(Arena& arena, uint32_t installNo, const char* text);
};

// Everything the reader fills: the fourteen lists, the sources and the single values.
struct InstallData {
  ItemList<FileItem> PrivateFiles;
  ItemList<SystemFileItem> SystemFiles;
  ItemList<RepairFileItem> RepairOnlyFiles;
  ItemList<FileEditItem> EditedFiles;
  ItemList<DirItem> CreatedDirs;
  ItemList<IniFileItem> NewIniFiles;
  ItemList<IniEditItem> IniEdits;
  ItemList<RegValueItem> NewRegValues;
  ItemList<RegTreeItem> RegTrees;
  ItemList<RegChangeItem> ChangedRegValues;
  ItemList<RegWriteEntry> RegValueWrites;
  ItemList<IconItem> Icons;
  ItemList<ProgramItem> Programs;
  ItemList<ServiceItem> Services;
  SourceTable InstallSources;

  InstallNumber InstallCount;
  int32_t LastSectionOffset;
  char* LogTitle;        // 256 bytes
  char* SubSystemName;   // owned text or null
  int32_t SubSystemSelected;
  char MifFileName[128];
  char MifManufacturer[128];
  char MifProduct[128];
  char MifVersion[128];
  char MifSerialNumber[128];
  char* PerUserId;       // owned text or null
  int32_t DeleteInUseFiles;
  int32_t HasBackups;
  int32_t SourceHasAttributes;
  char* SystemDirectory; // 260 bytes
};

const uint32_t LogTitleSize = 256;
const uint32_t SystemDirectorySize = 260;

// Allocates the lists and buffers of a run from the arena, in the order start-up
// takes them, with the initial capacities of the lists.
void AllocateInstallData(Arena& arena, InstallData& data);
