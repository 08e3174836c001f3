// The log reader's decisions over the records of the log grammar.
#include "log/log_reader.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/char_text.h"
#include "log/bounded_text.h"
#include "log/log_grammar.h"
#include "log/search_tree.h"
#include "log/text_index.h"

namespace {

const uint32_t NotFound = 0xFFFFFFFFu;
const uint32_t SystemListBit = 0x80000000u;  // marks a SystemFiles index in the file-path indexes

bool EndsWithBackslash(const char* text) {
  size_t length = std::strlen(text);
  return length > 0 && text[length - 1] == '\\';
}

// A directory that may be listed: longer than a drive root, and either a network path or
// a drive letter, a colon and a backslash.
bool IsUsableDirectory(const char* dir) {
  if (std::strlen(dir) <= 3) return false;
  if (dir[0] == '\\' && dir[1] == '\\') return true;
  return std::isalpha(static_cast<unsigned char>(dir[0])) && dir[1] == ':' && dir[2] == '\\';
}

// Positions of the last and the second-to-last backslash of text (null when absent),
// stepping over double-byte characters.
void LastBackslashes(char* text, char** last, char** beforeLast) {
  *last = *beforeLast = nullptr;
  for (char* p = FindChar(text, '\\'); p != nullptr; p = FindChar(p + 1, '\\')) {
    *beforeLast = *last;
    *last = p;
  }
}

// Records of CreatedDirs filed by their whole path, and by each of their parents (the
// prefixes that end in a backslash), so that the prefix matching of "Made Dir: " and the
// equal match of "File Tree: " need no scan.
class DirIndex {
 public:
  void Add(const DirItem& dir, uint32_t item) { File(dir, item, true); }
  void Remove(const DirItem& dir, uint32_t item) { File(dir, item, false); }

  // The first record whose Path and dir agree over the shorter of their lengths.
  uint32_t FindAgreeing(const ItemList<DirItem>& list, const char* dir) const {
    uint32_t best = NotFound;
    size_t length = std::strlen(dir);
    uint64_t hash = FoldedHashStart;
    for (size_t k = 0; k < length; ++k) {  // records no longer than dir: a prefix of it
      hash = FoldedHashStep(hash, static_cast<unsigned char>(dir[k]));
      if (const std::vector<uint32_t>* items = whole_.Find(FoldedHashStep(hash, 0))) {
        for (uint32_t i : *items) {
          if (i < best && std::strlen(list[i]->Path) == k + 1 && CompareNoCaseN(list[i]->Path, dir, k + 1) == 0) best = i;
        }
      }
    }
    // Records longer than dir that begin with it. dir ends in a backslash, so it is one of
    // their parents; otherwise they are looked for one by one.
    auto longerAgrees = [&](uint32_t i) {
      return std::strlen(list[i]->Path) > length && CompareNoCaseN(list[i]->Path, dir, length) == 0;
    };
    if (EndsWithBackslash(dir)) {
      if (const std::vector<uint32_t>* items = parents_.Find(FoldedHash(dir))) {
        for (uint32_t i : *items) {
          if (i < best && longerAgrees(i)) best = i;
        }
      }
    } else {
      for (uint32_t i = 0; i < list.Count && i < best; ++i) {
        if (longerAgrees(i)) best = i;
      }
    }
    return best;
  }

  // The first record whose Path equals dir.
  uint32_t FindEqual(const ItemList<DirItem>& list, const char* dir) const {
    uint32_t best = NotFound;
    if (const std::vector<uint32_t>* items = whole_.Find(FoldedHash(dir))) {
      for (uint32_t i : *items) {
        if (i < best && CompareNoCase(list[i]->Path, dir) == 0) best = i;
      }
    }
    return best;
  }

 private:
  void File(const DirItem& dir, uint32_t item, bool add) {
    whole_.Change(FoldedHash(dir.Path), item, add);
    uint64_t hash = FoldedHashStart;
    size_t length = std::strlen(dir.Path);
    for (size_t k = 0; k + 1 < length; ++k) {
      hash = FoldedHashStep(hash, static_cast<unsigned char>(dir.Path[k]));
      if (dir.Path[k] == '\\') parents_.Change(FoldedHashStep(hash, 0), item, add);
    }
  }
  TextIndex whole_;
  TextIndex parents_;
};

class Reader {
 public:
  Reader(const ReaderSettings& settings, ReaderSystem& system, InstallData& data, Arena& arena)
      : settings_(settings), system_(system), data_(data), arena_(arena) {}
  int Run(const char* logPath, char* removalRoot);

 private:
  void Prepare(const char* logPath);
  void NextInstallation();
  InstallNumber Current() const { return data_.InstallCount; }
  void Convert(const char* text, bool ansi, char* out, size_t size) const;
  bool InSystemDirectory(const char* path) const;
  char* CopyOfText(const char* text) { return arena_.CopyOf(text); }

  bool OnRecord(const LogRecord& r);  // false: the read stops (administrator rights)
  void OnFileLine(const LogRecord& r);
  void RecordRepairOnly(const char* path, const char* details, const char* linkInfo);
  void OnRegValue(const LogRecord& r);
  void OnFileEdit(const LogRecord& r);
  void OnCreateService(const LogRecord& r);
  void OnDeviceOrSelfRegister(const LogRecord& r);
  void OnIniNew(const LogRecord& r);
  void OnIniEntry(const LogRecord& r);
  void OnProgram(const LogRecord& r);
  void OnIcon(const LogRecord& r);
  void OnMadeDir(const LogRecord& r);
  void OnFileTree(const LogRecord& r);
  void OnRegTree(const LogRecord& r);
  bool OnUserRightsAdmin();
  void OnPerUserId(const LogRecord& r);

  template <class T> void FillNewFile(T& file, const char* path, const char* backup, const char* details,
                                      const char* linkInfo, bool counterIgnored);
  template <class T> void MergeFile(T& file, const char* backup, const char* details, const char* linkInfo,
                                    bool counterIgnored);
  template <class T> void MarkRepair(T& file, const char* details, const char* linkInfo);
  template <class T> T* FindOrAddRegValue(ItemList<T>& list, const LogRecord& r, const char* rootText, bool* added);
  void FileNewFileRecord(const char* path, uint32_t encoded);
  void BuildSelfRegisterIndex();
  const char* FilePathOf(uint32_t encoded) const;
  void AddDirectory(const char* path, InstallNumber treeNo, InstallNumber madeNo);

  // First record of list filed under key for which match holds.
  template <class T, class Match> T* FindFirst(const ItemList<T>& list, const TextIndex& index, uint64_t key,
                                               Match match) const {
    if (const std::vector<uint32_t>* items = index.Find(key)) {
      for (uint32_t i : *items) {
        if (match(*list[i])) return list[i];
      }
    }
    return nullptr;
  }
  template <class T> T* AppendFiled(ItemList<T>& list, TextIndex& index, uint64_t key) {
    index.Add(key, list.Count);
    return list.Append(arena_);
  }
  // The first record whose text field equals text, letter case ignored; null when none.
  template <class T, size_t N> T* FindByText(const ItemList<T>& list, const TextIndex& index, char (T::*field)[N],
                                             const char* text) const {
    return FindFirst(list, index, FoldedHash(text), [&](const T& r) { return CompareNoCase(r.*field, text) == 0; });
  }
  // The same, or a new record with that text, appended and filed; added tells which.
  template <class T, size_t N> T* FindOrAppend(ItemList<T>& list, TextIndex& index, char (T::*field)[N],
                                               const char* text, bool* added = nullptr) {
    T* record = FindByText(list, index, field, text);
    if (added != nullptr) *added = record == nullptr;
    if (record == nullptr) {
      record = AppendFiled(list, index, FoldedHash(text));
      CopyText(record->*field, text);
    }
    return record;
  }

  const ReaderSettings& settings_;
  ReaderSystem& system_;
  InstallData& data_;
  Arena& arena_;
  char* removalRoot_ = nullptr;
  bool removableA_ = false;
  bool removableB_ = false;
  bool adminChecked_ = false;
  char windowsDir_[PathBufferSize];
  char systemDir_[PathBufferSize];
  char win32sDir_[PathBufferSize];
  char userProfilesPrefix_[PathBufferSize];
  char commonProfilePrefix_[PathBufferSize];

  TextIndex systemFiles_, repairFiles_, editedFiles_, iniFiles_, regTrees_, icons_, programs_, services_;
  TextIndex filePaths_;     // PrivateFiles and SystemFiles by Path ("Add Device: ")
  TextIndex selfRegPaths_;  // the same by Path in long-name form ("Self-Register: "), built when first needed
  bool selfRegIndexBuilt_ = false;
  DirIndex dirs_;
};

void Reader::Convert(const char* text, bool ansi, char* out, size_t size) const {
  if (ansi) CopyText(out, size, text); else OemToAnsi(text, out, size);
}

bool Reader::InSystemDirectory(const char* path) const {
  char dir[PathBufferSize];
  CopyText(dir, path);
  char* name = FileNamePart(dir);
  if (name == dir) return false;  // no backslash: no directory
  name[-1] = '\0';
  return CompareNoCase(dir, windowsDir_) == 0 || CompareNoCase(dir, systemDir_) == 0 ||
         CompareNoCase(dir, win32sDir_) == 0;
}

void Reader::NextInstallation() {
  if (data_.InstallCount < 0xFFFF) ++data_.InstallCount;  // numbers are 16-bit: the last one repeats
}

void Reader::AddDirectory(const char* path, InstallNumber treeNo, InstallNumber madeNo) {
  uint32_t index = data_.CreatedDirs.Count;
  DirItem* dir = data_.CreatedDirs.Append(arena_);
  CopyText(dir->Path, path);
  dir->TreeInstallNo = treeNo;
  dir->MadeInstallNo = madeNo;
  dirs_.Add(*dir, index);
}

void Reader::Prepare(const char* logPath) {
  CopyText(userProfilesPrefix_, "*");  // a text that no path begins with
  CopyText(commonProfilePrefix_, "*");

  // The removal root: the log's directory in short-name form with a backslash. A log in
  // a drive root gives none, so that self-removal never sweeps a whole drive.
  char root[PathBufferSize];
  CopyText(root, logPath);
  char* name = FileNamePart(root);
  removalRoot_[0] = '\0';
  if (name != root) {
    name[-1] = '\0';
    if (std::strlen(root) > 2) {
      system_.NormalizePath(root, ShortNameForm);
      AppendText(root, "\\");
      CopyText(removalRoot_, RemovalRootSize, root);
    }
  }

  removableA_ = system_.IsRemovableDrive('A');
  removableB_ = system_.IsRemovableDrive('B');

  // The log's own directory, unless it is a drive root or the Windows or System
  // directory or one of their parents.
  char own[PathBufferSize];
  CopyText(own, logPath);
  system_.NormalizePath(own, LongNameForm);
  *FileNamePart(own) = '\0';
  if (std::strlen(own) <= 3) own[0] = '\0';
  char windowsDir[PathBufferSize];
  char systemDir[PathBufferSize];
  system_.WindowsDirectory(windowsDir, sizeof windowsDir);
  system_.SystemDirectory(systemDir, sizeof systemDir);
  if (!EndsWithBackslash(windowsDir)) AppendText(windowsDir, "\\");
  if (!EndsWithBackslash(systemDir)) AppendText(systemDir, "\\");
  size_t ownLength = std::strlen(own);
  bool dropped = CompareNoCaseN(systemDir, own, ownLength) == 0 || CompareNoCaseN(windowsDir, own, ownLength) == 0;
  if (own[0] != '\0' && !dropped) AddDirectory(own, 0, OwnDirInstallNo);

  // The system directories, without their trailing backslash.
  windowsDir[std::strlen(windowsDir) - 1] = '\0';
  systemDir[std::strlen(systemDir) - 1] = '\0';
  CopyText(windowsDir_, windowsDir);
  CopyText(systemDir_, systemDir);
  CopyText(win32sDir_, systemDir);
  AppendText(win32sDir_, "\\WIN32S");
  CopyText(data_.SystemDirectory, SystemDirectorySize, systemDir);
}

// Removes a final " INSTALLATION", then a final " INSTALL", from a longer title.
void TrimTitle(char* title) {
  size_t length = std::strlen(title);
  if (length > 13 && CompareNoCase(title + length - 13, " INSTALLATION") == 0) title[length -= 13] = '\0';
  if (length > 8 && CompareNoCase(title + length - 8, " INSTALL") == 0) title[length - 8] = '\0';
}

int Reader::Run(const char* logPath, char* removalRoot) {
  removalRoot_ = removalRoot;
  Prepare(logPath);

  ByteSource* log = system_.OpenLog(logPath);
  if (log == nullptr) {
    system_.ShowMessage(3, 2);
    return 1;
  }
  std::unique_ptr<char[]> block(new char[LineBlockSize]);
  LineReaderState reader = {};
  reader.Source = log;
  reader.Block = block.get();
  LogGrammar grammar(reader, removableA_, removableB_);
  std::unique_ptr<LogRecord> record(new LogRecord());

  char title[LogLineSize];
  bool ansi = false;
  HeaderResult header = grammar.ReadHeader(title, sizeof title, &ansi);
  data_.InstallSources.Clear(data_.InstallCount);  // the first line opens section 1
  NextInstallation();
  data_.InstallSources.Clear(data_.InstallCount);
  if (header == HeaderResult::Invalid) {
    system_.ShowMessage(4, 2);
    system_.CloseLog(log);
    return 1;
  }
  TrimTitle(title);
  CopyText(data_.LogTitle, LogTitleSize, title);
  if (!settings_.HasSecondArgument) system_.SetTitleCaption(data_.LogTitle);

  while (grammar.Next(*record)) {
    if (!OnRecord(*record)) {
      system_.CloseLog(log);
      return 1;
    }
  }
  system_.CloseLog(log);
  return 0;
}

bool Reader::OnRecord(const LogRecord& r) {
  switch (r.Kind) {
    case LogRecordKind::File: OnFileLine(r); break;
    case LogRecordKind::RegValue: OnRegValue(r); break;
    case LogRecordKind::FileEdit: OnFileEdit(r); break;
    case LogRecordKind::CreateService: OnCreateService(r); break;
    case LogRecordKind::AddDevice:
    case LogRecordKind::SelfRegister: OnDeviceOrSelfRegister(r); break;
    case LogRecordKind::IniNew: OnIniNew(r); break;
    case LogRecordKind::IniEntry: OnIniEntry(r); break;
    case LogRecordKind::Program: OnProgram(r); break;
    case LogRecordKind::Icon: OnIcon(r); break;
    case LogRecordKind::SubSystem:
      data_.SubSystemName = CopyOfText(r.Value);
      data_.SubSystemSelected = 0;
      break;
    case LogRecordKind::MadeDir: OnMadeDir(r); break;
    case LogRecordKind::FileTree: OnFileTree(r); break;
    case LogRecordKind::RegTree: OnRegTree(r); break;
    case LogRecordKind::Section:
      NextInstallation();
      data_.LastSectionOffset = r.Offset > INT32_MAX ? INT32_MAX : static_cast<int32_t>(r.Offset);
      data_.InstallSources.Clear(data_.InstallCount);
      break;
    case LogRecordKind::Source:
      data_.InstallSources.Set(arena_, data_.InstallCount, r.Value);
      if (FindChar(r.Value, '|') != nullptr) data_.SourceHasAttributes = 1;
      break;
    case LogRecordKind::MifFileName: CopyText(data_.MifFileName, r.Value); break;
    case LogRecordKind::MifManufacturer: CopyText(data_.MifManufacturer, r.Value); break;
    case LogRecordKind::MifProduct: CopyText(data_.MifProduct, r.Value); break;
    case LogRecordKind::MifVersion: CopyText(data_.MifVersion, r.Value); break;
    case LogRecordKind::MifSerialNumber: CopyText(data_.MifSerialNumber, r.Value); break;
    case LogRecordKind::UserRightsAdmin: return OnUserRightsAdmin();
    case LogRecordKind::PerUserId: OnPerUserId(r); break;
    case LogRecordKind::DeleteInUseFiles:
      if (CompareNoCaseN(r.Value, "On", 2) == 0) data_.DeleteInUseFiles = 1;
      else if (CompareNoCaseN(r.Value, "Of", 2) == 0) data_.DeleteInUseFiles = 0;
      break;
  }
  return true;
}

// --- Files ---------------------------------------------------------------------------

template <class T>
void Reader::FillNewFile(T& file, const char* path, const char* backup, const char* details, const char* linkInfo,
                         bool counterIgnored) {
  CopyText(file.Path, path);
  CopyText(file.BackupPath, backup);
  CopyText(file.Details, details);
  file.LinkInfo = linkInfo[0] != '\0' ? CopyOfText(linkInfo) : nullptr;
  file.InstallNo = Current();
  file.BackupInstallNo = Current();
  file.CounterInstallNo = counterIgnored ? 0 : Current();
  file.CounterUses = counterIgnored ? 0 : 1;
}

template <class T>
void Reader::MergeFile(T& file, const char* backup, const char* details, const char* linkInfo, bool counterIgnored) {
  file.InstallNo = Current();
  if (!counterIgnored) {
    if (file.CounterUses < INT32_MAX) ++file.CounterUses;
    file.CounterInstallNo = Current();
  }
  if (backup[0] != '\0') {
    CopyText(file.BackupPath, backup);
    file.BackupInstallNo = Current();
  }
  CopyText(file.Details, details);
  if (linkInfo[0] != '\0') file.LinkInfo = CopyOfText(linkInfo);
}

template <class T>
void Reader::MarkRepair(T& file, const char* details, const char* linkInfo) {
  file.RepairInstallNo = Current();
  CopyText(file.Details, details);
  if (linkInfo[0] != '\0') file.LinkInfo = CopyOfText(linkInfo);
}

const char* Reader::FilePathOf(uint32_t encoded) const {
  return (encoded & SystemListBit) ? data_.SystemFiles[encoded & ~SystemListBit]->Path : data_.PrivateFiles[encoded]->Path;
}

void Reader::FileNewFileRecord(const char* path, uint32_t encoded) {
  filePaths_.Add(FoldedHash(path), encoded);
  if (selfRegIndexBuilt_) {
    char longPath[PathBufferSize];
    CopyText(longPath, path);
    system_.NormalizePath(longPath, LongNameForm);
    selfRegPaths_.Add(FoldedHash(longPath), encoded);
  }
}

void Reader::OnFileLine(const LogRecord& r) {
  // Paths are converted once, as read, and every test and lookup uses the converted text.
  char path[PathBufferSize];
  char backup[PathBufferSize];
  char details[sizeof(FileItem::Details)];
  Convert(r.Value, r.Ansi, path, sizeof path);
  Convert(r.BackupPath, r.Ansi, backup, sizeof backup);
  CopyText(details, r.Details);
  const char* linkInfo = r.LinkInfo;
  if (r.HasBackupLine) data_.HasBackups = 1;

  // A shortcut in the installing user's own profile is that user's to keep.
  if (r.FileKind == FileLineKind::ShellLink && data_.PerUserId != nullptr &&
      StartsWithNoCase(path, userProfilesPrefix_) && !StartsWithNoCase(path, commonProfilePrefix_))
    return;

  bool uncounted = false;
  if (r.FileKind == FileLineKind::Overwrite) {
    uncounted = true;
    if (settings_.NewShell && system_.SharedDllCounted(path)) uncounted = false;
  }

  bool removable = !IsFloppyPath(path, removableA_, removableB_) && !(uncounted && backup[0] == '\0') && path[0] != '\0';
  bool inSystem = InSystemDirectory(path);
  if (removable) {
    if (!system_.FileExists(path)) {
      RecordRepairOnly(path, details, linkInfo);
      return;
    }
    if (inSystem) {
      bool added = false;
      uint32_t index = data_.SystemFiles.Count;
      SystemFileItem* file = FindOrAppend(data_.SystemFiles, systemFiles_, &SystemFileItem::Path, path, &added);
      if (!added) {
        MergeFile(*file, backup, details, linkInfo, r.CounterIgnoredMark);
      } else {
        FillNewFile(*file, path, backup, details, linkInfo, r.CounterIgnoredMark);
        file->Removable = r.NonSystemMark ? 1 : 0;
        FileNewFileRecord(path, index | SystemListBit);
      }
    } else {
      bool added = false;
      uint32_t index = data_.PrivateFiles.Count;
      FileItem* file = FindOrAddKeyed(data_.PrivateFiles, &arena_, path, nullptr, nullptr, &added);
      if (added) {
        FillNewFile(*file, path, backup, details, linkInfo, r.CounterIgnoredMark);
        file->AutoSelect = (!uncounted && backup[0] == '\0') ? 1 : 0;
        FileNewFileRecord(path, index);
      } else {
        MergeFile(*file, backup, details, linkInfo, r.CounterIgnoredMark);
      }
    }
    return;
  }

  // Not removable: kept for repair only, when the line says anything repair can use.
  if (details[0] == '\0' && linkInfo[0] == '\0') return;
  if (inSystem) {
    if (SystemFileItem* file = FindByText(data_.SystemFiles, systemFiles_, &SystemFileItem::Path, path)) {
      MarkRepair(*file, details, linkInfo);
      return;
    }
  } else if (FileItem* file = FindOrAddKeyed(data_.PrivateFiles, nullptr, path, nullptr, nullptr)) {
    MarkRepair(*file, details, linkInfo);
    return;
  }
  RecordRepairOnly(path, details, linkInfo);
}

void Reader::RecordRepairOnly(const char* path, const char* details, const char* linkInfo) {
  RepairFileItem* file = FindOrAppend(data_.RepairOnlyFiles, repairFiles_, &RepairFileItem::Path, path);
  if (linkInfo[0] != '\0') file->LinkInfo = CopyOfText(linkInfo);
  file->InstallNo = Current();
  CopyText(file->Details, details);
}

void Reader::OnFileEdit(const LogRecord& r) {
  char path[PathBufferSize];
  char backup[PathBufferSize];
  Convert(r.Value, r.Ansi, path, sizeof path);
  Convert(r.BackupPath, r.Ansi, backup, sizeof backup);
  if (IsFloppyPath(path, removableA_, removableB_) || backup[0] == '\0' || !system_.FileExists(path)) return;
  FileEditItem* edit = FindOrAppend(data_.EditedFiles, editedFiles_, &FileEditItem::Path, path);
  CopyText(edit->BackupPath, backup);
  edit->InstallNo = Current();
}

void Reader::BuildSelfRegisterIndex() {
  selfRegIndexBuilt_ = true;
  char longPath[PathBufferSize];
  for (uint32_t i = 0; i < data_.PrivateFiles.Count; ++i) {
    CopyText(longPath, data_.PrivateFiles[i]->Path);
    system_.NormalizePath(longPath, LongNameForm);
    selfRegPaths_.Add(FoldedHash(longPath), i);
  }
  for (uint32_t i = 0; i < data_.SystemFiles.Count; ++i) {
    CopyText(longPath, data_.SystemFiles[i]->Path);
    system_.NormalizePath(longPath, LongNameForm);
    selfRegPaths_.Add(FoldedHash(longPath), i | SystemListBit);
  }
}

void Reader::OnDeviceOrSelfRegister(const LogRecord& r) {
  // The value is compared with converted paths, so it is converted the same way.
  char path[PathBufferSize];
  Convert(r.Value, r.Ansi, path, sizeof path);
  bool selfRegister = r.Kind == LogRecordKind::SelfRegister;
  if (selfRegister) {
    system_.NormalizePath(path, LongNameForm);
    if (!selfRegIndexBuilt_) BuildSelfRegisterIndex();
  }
  const std::vector<uint32_t>* items = (selfRegister ? selfRegPaths_ : filePaths_).Find(FoldedHash(path));
  if (items == nullptr) return;
  for (uint32_t encoded : *items) {
    char recordPath[PathBufferSize];
    CopyText(recordPath, FilePathOf(encoded));
    if (selfRegister) system_.NormalizePath(recordPath, LongNameForm);
    if (CompareNoCase(recordPath, path) != 0) continue;
    InstallNumber& number = (encoded & SystemListBit)
                                ? (selfRegister ? data_.SystemFiles[encoded & ~SystemListBit]->SelfRegInstallNo
                                                : data_.SystemFiles[encoded & ~SystemListBit]->DeviceInstallNo)
                                : (selfRegister ? data_.PrivateFiles[encoded]->SelfRegInstallNo
                                                : data_.PrivateFiles[encoded]->DeviceInstallNo);
    number = Current();
  }
}

// --- Registry --------------------------------------------------------------------------

bool ValidRegistryNumber(int32_t number) { return number >= 0 && number <= 4; }

// The value record of a registry group in a keyed list (NewRegValues or
// ChangedRegValues), found by key, name and root text cut to the record's fields, or
// added with them. Either way it now carries the current installation's number.
template <class T>
T* Reader::FindOrAddRegValue(ItemList<T>& list, const LogRecord& r, const char* rootText, bool* added) {
  char key[sizeof(T::Key)];
  char name[sizeof(T::ValueName)];
  CopyText(key, r.Value);
  CopyText(name, r.Name);
  T* value = FindOrAddKeyed(list, &arena_, key, name, rootText, added);
  if (*added) {
    CopyText(value->Key, key);
    CopyText(value->ValueName, name);
    CopyText(value->RootText, rootText);
    value->Root = r.Root;
  }
  value->InstallNo = Current();
  return value;
}

void Reader::OnRegValue(const LogRecord& r) {
  if (r.Root == 1 && data_.PerUserId != nullptr) return;  // another user's hive
  if (!ValidRegistryNumber(r.Root) || !ValidRegistryNumber(r.Type)) return;
  char rootText[sizeof(RegValueItem::RootText)];
  std::snprintf(rootText, sizeof rootText, "%d", static_cast<int>(r.Root));

  RegWriteEntry* write = data_.RegValueWrites.Append(arena_);
  write->Data = CopyOfText(r.Data);
  bool added = false;
  if (r.HasOld) {
    RegChangeItem* change = FindOrAddRegValue(data_.ChangedRegValues, r, rootText, &added);
    if (added) {
      std::memcpy(change->OldValues, r.OldValues, sizeof change->OldValues);
      change->Type = r.Type;
    }
    CopyText(change->LatestOldValue, r.FirstOld);
    write->HasOld = 1;
    write->Target = change;
  } else {
    write->Type = r.Type;
    write->Target = FindOrAddRegValue(data_.NewRegValues, r, rootText, &added);
  }
}

void Reader::OnRegTree(const LogRecord& r) {
  if (!ValidRegistryNumber(r.Root)) return;
  char key[sizeof(RegTreeItem::Key)];
  CopyText(key, r.Value);
  char rootText[16];
  std::snprintf(rootText, sizeof rootText, "%d", static_cast<int>(r.Root));
  uint64_t hash = FoldedHash(rootText, FoldedHash(key));
  RegTreeItem* tree = FindFirst(data_.RegTrees, regTrees_, hash, [&](const RegTreeItem& t) {
    return t.Root == r.Root && CompareNoCase(t.Key, key) == 0;
  });
  if (tree == nullptr) {
    tree = AppendFiled(data_.RegTrees, regTrees_, hash);
    CopyText(tree->Key, key);
    tree->Root = r.Root;
  }
  tree->InstallNo = Current();
}

// --- INI files, programs, icons, services -----------------------------------------------

void Reader::OnIniNew(const LogRecord& r) {
  char path[PathBufferSize];
  Convert(r.Value, r.Ansi, path, sizeof path);
  if (IsFloppyPath(path, removableA_, removableB_) || !system_.FileExists(path)) return;
  FindOrAppend(data_.NewIniFiles, iniFiles_, &IniFileItem::Path, path)->InstallNo = Current();
}

void Reader::OnIniEntry(const LogRecord& r) {
  char file[sizeof(IniEditItem::File)];
  char section[sizeof(IniEditItem::Section)];
  char item[sizeof(IniEditItem::Item)];
  Convert(r.Value, r.Ansi, file, sizeof file);
  CopyText(section, r.Section);
  CopyText(item, r.Item);
  bool added = false;
  IniEditItem* edit = FindOrAddKeyed(data_.IniEdits, &arena_, file, section, item, &added);
  if (added) {
    CopyText(edit->File, file);
    CopyText(edit->Section, section);
    CopyText(edit->Item, item);
    CopyText(edit->OldValue, r.OldValue);
  }
  CopyText(edit->LatestOldValue, r.OldValue);
  edit->InstallNo = Current();
}

void Reader::OnProgram(const LogRecord& r) {
  char path[sizeof(ProgramItem::Path)];
  CopyText(path, r.Value);
  bool added = false;
  ProgramItem* program = FindOrAppend(data_.Programs, programs_, &ProgramItem::Path, path, &added);
  if (added && r.HasName) CopyText(program->Name, r.Name);
  program->InstallNo = Current();
}

void Reader::OnIcon(const LogRecord& r) {
  char group[sizeof(IconItem::Group)];
  char name[sizeof(IconItem::Name)];
  CopyText(group, r.Value);
  CopyText(name, r.Name);
  uint64_t hash = FoldedHash(name, FoldedHash(group));
  IconItem* icon = FindFirst(data_.Icons, icons_, hash, [&](const IconItem& i) {
    return CompareNoCase(i.Group, group) == 0 && CompareNoCase(i.Name, name) == 0;
  });
  if (icon == nullptr) {
    icon = AppendFiled(data_.Icons, icons_, hash);
    CopyText(icon->Group, group);
    CopyText(icon->Name, name);
    icon->InstallNo = Current();  // the first section that logged it
  }
  CopyText(icon->Command, r.Command);
}

void Reader::OnCreateService(const LogRecord& r) {
  char name[sizeof(ServiceItem::Name)];
  CopyText(name, r.Value);
  FindOrAppend(data_.Services, services_, &ServiceItem::Name, name)->InstallNo = Current();
}

// --- Directories --------------------------------------------------------------------

void Reader::OnMadeDir(const LogRecord& r) {
  char dir[PathBufferSize];
  Convert(r.Value, r.Ansi, dir, sizeof dir);
  if (!EndsWithBackslash(dir)) AppendText(dir, "\\");
  if (!IsUsableDirectory(dir)) return;

  // A created directory that holds the log becomes the root that self-removal cleans.
  char shortDir[PathBufferSize];
  CopyText(shortDir, dir);
  system_.NormalizePath(shortDir, ShortNameForm);
  size_t shortLength = std::strlen(shortDir);
  if (CompareNoCaseN(shortDir, removalRoot_, shortLength) == 0 && std::strlen(removalRoot_) >= shortLength)
    removalRoot_[shortLength] = '\0';

  // Only top-most directories are kept: a listed parent absorbs the directory, and a
  // listed child is cut back to it.
  uint32_t found = dirs_.FindAgreeing(data_.CreatedDirs, dir);
  if (found == NotFound) {
    AddDirectory(dir, 0, Current());
    return;
  }
  DirItem* listed = data_.CreatedDirs[found];
  size_t dirLength = std::strlen(dir);
  if (std::strlen(listed->Path) > dirLength) {
    dirs_.Remove(*listed, found);
    listed->Path[dirLength] = '\0';
    dirs_.Add(*listed, found);
  }
  listed->MadeInstallNo = Current();
}

void Reader::OnFileTree(const LogRecord& r) {
  char dir[PathBufferSize];
  CopyText(dir, r.Value);  // kept as logged, also in OEM sections
  bool wildcard = FindChar(r.Value, '*') != nullptr || FindChar(r.Value, '?') != nullptr;
  size_t length = std::strlen(dir);
  if (length >= 4 && std::strcmp(dir + length - 4, "\\*.*") == 0) dir[length - 4] = '\0';
  if (!wildcard && !EndsWithBackslash(dir)) AppendText(dir, "\\");
  if (!IsUsableDirectory(dir)) return;
  uint32_t found = dirs_.FindEqual(data_.CreatedDirs, dir);
  if (found == NotFound) {
    AddDirectory(dir, Current(), Current());
  } else {
    data_.CreatedDirs[found]->TreeInstallNo = Current();
    data_.CreatedDirs[found]->MadeInstallNo = Current();
  }
}

// --- Rights and the installing user ---------------------------------------------------

bool Reader::OnUserRightsAdmin() {
  if (adminChecked_) return true;
  adminChecked_ = true;
  if (settings_.PlatformKind == 1 && !system_.CanAdministerServices()) {
    system_.ShowMessage(67, 25);
    return false;
  }
  return true;
}

void Reader::OnPerUserId(const LogRecord& r) {
  data_.PerUserId = static_cast<char*>(arena_.Alloc(256));
  CopyText(data_.PerUserId, 256, r.Value);
  if (!settings_.NewShell) return;
  char folder[257];
  char* last;
  char* beforeLast;
  // The user's Start Menu lies in the profiles directory: everything up to its parent.
  if (system_.StartMenuFolder(false, folder, 256) && folder[0] != '\0') {
    LastBackslashes(folder, &last, &beforeLast);
    if (beforeLast != nullptr) CopyTextN(userProfilesPrefix_, folder, static_cast<size_t>(beforeLast - folder) + 1);
  }
  if (settings_.PlatformKind == 1 && system_.StartMenuFolder(true, folder, 256) && folder[0] != '\0') {
    LastBackslashes(folder, &last, &beforeLast);
    if (last != nullptr) CopyTextN(commonProfilePrefix_, folder, static_cast<size_t>(last - folder) + 1);
  }
}

}  // namespace

int ReadLog(const char* logPath, char* removalRoot, const ReaderSettings& settings, ReaderSystem& system,
            InstallData& data, Arena& arena) {
  Reader reader(settings, system, data, arena);
  return reader.Run(logPath, removalRoot);
}
