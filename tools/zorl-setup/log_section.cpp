// Writing one INSTALL.LOG section.
#include "tools/zorl-setup/log_section.h"

LogSection::LogSection(bool oem, const std::string& headerText, Converter toOem)
    : oem_(oem), toOem_(std::move(toOem)) {
  // "*** " opens a section; a blank after it marks the section as ANSI text.
  Line(std::string("*** ") + (oem ? "" : " ") + headerText);
}

void LogSection::Line(const std::string& keywordAndValue) { text_ += keywordAndValue + "\r\n"; }

std::string LogSection::Converted(const std::string& value) const {
  return (oem_ && toOem_) ? toOem_(value) : value;
}

void LogSection::Title(const std::string& title) { Line("Title: " + title); }

void LogSection::Source(const std::string& path, const std::string& attributes) {
  Line("Source: " + path + (attributes.empty() ? std::string() : " | " + attributes));
}

void LogSection::MadeDir(const std::string& path) { Line("Made Dir: " + Converted(path)); }
void LogSection::FileTree(const std::string& path) { Line("File Tree: " + path); }

void LogSection::File(const FileRecord& f) {
  if (f.NonSystem) Line("Non-System File:");
  if (f.CounterIgnored) Line("Shared DLL counter ignored:");
  const char* keyword = f.Kind == FileLineKind::Copy        ? "File Copy: "
                        : f.Kind == FileLineKind::Overwrite ? "File Overwrite: "
                                                            : "Shell Link: ";
  Line(keyword + Converted(f.Path) + (f.Details.empty() ? std::string() : " |" + f.Details));
  if (!f.LinkInfo.empty()) Line("Link Info: " + f.LinkInfo);
  if (!f.BackupPath.empty()) Line("Backup Copy: " + Converted(f.BackupPath));
}

void LogSection::FileEdit(const std::string& path, const std::string& backupPath) {
  Line("File Edit: " + Converted(path));
  if (!backupPath.empty()) Line("Backup Copy: " + Converted(backupPath));
}

void LogSection::RegValue(const RegRecord& r) {
  Line("RegDB Key: " + r.Key);
  if (r.NewLines.empty()) Line("RegDB Val: ");
  for (const std::string& v : r.NewLines) Line("RegDB Val: " + v);
  Line("RegDB Name: " + r.Name);
  Line("RegDB Type: " + std::to_string(r.Type));
  Line("RegDB Root: " + std::to_string(r.Root));
  if (r.Existed && r.OldLines.empty()) Line("RegDB Old: ");  // an empty value existed
  if (r.Existed)
    for (const std::string& v : r.OldLines) Line("RegDB Old: " + v);
}

void LogSection::RegTree(int root, const std::string& key) {
  Line("RegDB Tree: " + key);
  Line("RegDB Root: " + std::to_string(root));
}

void LogSection::IniNew(const std::string& path, const std::vector<std::string>& sectItemVal) {
  Line("INI New: " + Converted(path));
  Line("INI File: " + Converted(path));
  if (sectItemVal.size() == 3) {
    Line("INI Sect: " + sectItemVal[0]);
    Line("INI Item: " + sectItemVal[1]);
    Line("INI Val: " + sectItemVal[2]);
  }
}

void LogSection::IniEntry(const std::string& path, const std::string& section, const std::string& item,
                          const std::string& value, bool existed, const std::string& oldValue) {
  Line("INI File: " + Converted(path));
  Line("INI Sect: " + section);
  Line("INI Item: " + item);
  Line("INI Val: " + value);
  if (existed) Line("INI Old: " + oldValue);
}

void LogSection::Icon(const std::string& group, const std::string& name, const std::string& command) {
  Line("Icon Group: " + group);
  Line("Icon Name: " + name);
  Line("Icon Cmd: " + command);
}

void LogSection::Service(const std::string& name) { Line("Create Service: " + name); }
void LogSection::Device(const std::string& path) { Line("Add Device: " + path); }
void LogSection::SelfRegister(const std::string& path) { Line("Self-Register: " + path); }

void LogSection::Execute(const std::string& command, const std::string& name) {
  Line("Execute Path: " + command);
  if (!name.empty()) Line("Execute Name: " + name);
}

void LogSection::SubSystem(const std::string& name) { Line("SubSystem: " + name); }
void LogSection::PerUserId(const std::string& id) { Line("Per-User ID: " + id); }
void LogSection::AdminRights() { Line("User Rights: Admin"); }
void LogSection::DeleteInUseFiles(bool on) { Line(std::string("Delete in-use files: ") + (on ? "On" : "Off")); }
void LogSection::Mif(const std::string& keyword, const std::string& text) { Line(keyword + ": " + text); }
void LogSection::Raw(const std::string& line) { Line(line); }

std::string FormatLinkInfo(const std::string& target, const std::string& workDir, const std::string& iconFile,
                           int iconIndex, int showCommand, int hotKey, const std::string& arguments) {
  return target + "|" + workDir + "|" + iconFile + "|" + std::to_string(iconIndex) + "|" +
         std::to_string(showCommand) + "|" + std::to_string(hotKey) + "|" + arguments;
}
