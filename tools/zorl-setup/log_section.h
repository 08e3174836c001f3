// One section of INSTALL.LOG as the installer writes it: a header line, then one group
// of lines per thing the installation did, each line ended by CR LF. In an OEM section
// the values that the log's reader converts from OEM (file, backup, edited-file, INI
// file and made-directory paths) go through the converter given; everything else is
// written as it is.
#pragma once
#include <functional>
#include <string>
#include <vector>

enum class FileLineKind { Copy, Overwrite, ShellLink };

struct FileRecord {
  FileLineKind Kind = FileLineKind::Copy;
  std::string Path;
  std::string Details;    // " date | time | third | size | crc", or empty
  bool NonSystem = false;       // "Non-System File:" before the line
  bool CounterIgnored = false;  // "Shared DLL counter ignored:" before the line
  std::string LinkInfo;   // "Link Info: " after the line when not empty
  std::string BackupPath; // "Backup Copy: " after that when not empty
};

struct RegRecord {
  int Root = 0;
  int Type = 0;
  std::string Key;
  std::string Name;
  std::vector<std::string> NewLines;  // the data written, in log form
  bool Existed = false;               // the value was there before: "RegDB Old: " lines
  std::vector<std::string> OldLines;
};

class LogSection {
 public:
  typedef std::function<std::string(const std::string&)> Converter;

  // ANSI sections have a blank as the header's fifth character, OEM ones do not.
  LogSection(bool oem, const std::string& headerText, Converter toOem);

  void Title(const std::string& title);
  void Source(const std::string& path, const std::string& attributes);  // attributes may be empty
  void MadeDir(const std::string& path);
  void FileTree(const std::string& path);
  void File(const FileRecord& f);
  void FileEdit(const std::string& path, const std::string& backupPath);
  void RegValue(const RegRecord& r);
  void RegTree(int root, const std::string& key);
  void IniNew(const std::string& path, const std::vector<std::string>& sectItemVal);
  void IniEntry(const std::string& path, const std::string& section, const std::string& item,
                const std::string& value, bool existed, const std::string& oldValue);
  void Icon(const std::string& group, const std::string& name, const std::string& command);
  void Service(const std::string& name);
  void Device(const std::string& path);
  void SelfRegister(const std::string& path);
  void Execute(const std::string& command, const std::string& name);
  void SubSystem(const std::string& name);  // the name begins with "B"
  void PerUserId(const std::string& id);
  void AdminRights();
  void DeleteInUseFiles(bool on);
  // The MIF lines: keyword is one of "Uninstall MIF", "Manufacturer", "Product",
  // "Version Number", "Serial Number".
  void Mif(const std::string& keyword, const std::string& text);
  void Raw(const std::string& line);

  const std::string& Text() const { return text_; }

 private:
  void Line(const std::string& keywordAndValue);
  std::string Converted(const std::string& value) const;

  bool oem_;
  Converter toOem_;
  std::string text_;
};

// The "Link Info: " text of a shortcut: target, working directory, icon file, icon index,
// show command, hot key and arguments, separated by "|".
std::string FormatLinkInfo(const std::string& target, const std::string& workDir, const std::string& iconFile,
                           int iconIndex, int showCommand, int hotKey, const std::string& arguments);
