// The inspection tool's JSON form of the reader's result.
#include "tools/inspect/log_json.h"

#include <algorithm>
#include <unordered_map>

void AppendJsonText(std::string& out, const char* text) {
  if (text == nullptr) {
    out += "null";
    return;
  }
  static const char hex[] = "0123456789abcdef";
  out += '"';
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
    unsigned char c = *p;
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c >= 0x80) {
          out += "\\u00";
          out += hex[c >> 4];
          out += hex[c & 15];
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}

namespace {
// One JSON object written field by field.
class Object {
 public:
  explicit Object(std::string& out, const char* separator = ", ") : out_(out), separator_(separator) { out_ += '{'; }
  ~Object() { out_ += '}'; }
  Object& Text(const char* name, const char* value) {
    Name(name);
    AppendJsonText(out_, value);
    return *this;
  }
  Object& Number(const char* name, long long value) {
    Name(name);
    out_ += std::to_string(value);
    return *this;
  }
  // The field's name, its value to be written by the caller.
  std::string& Name(const char* name) {
    if (!first_) out_ += separator_;
    first_ = false;
    AppendJsonText(out_, name);
    out_ += ": ";
    return out_;
  }

 private:
  std::string& out_;
  const char* separator_;
  bool first_ = true;
};

void Fields(Object& o, const FileItem& f) {
  o.Text("Path", f.Path).Text("BackupPath", f.BackupPath).Text("Details", f.Details).Text("LinkInfo", f.LinkInfo);
  o.Number("Selected", f.Selected).Number("AutoSelect", f.AutoSelect).Number("SelfRegInstallNo", f.SelfRegInstallNo);
  o.Number("DeviceInstallNo", f.DeviceInstallNo).Number("InstallNo", f.InstallNo).Number("BackupInstallNo", f.BackupInstallNo);
  o.Number("RepairInstallNo", f.RepairInstallNo).Number("CounterInstallNo", f.CounterInstallNo).Number("CounterUses", f.CounterUses);
}
void Fields(Object& o, const SystemFileItem& f) {
  o.Text("Path", f.Path).Text("BackupPath", f.BackupPath).Text("Details", f.Details).Text("LinkInfo", f.LinkInfo);
  o.Number("Removable", f.Removable).Number("SelfRegInstallNo", f.SelfRegInstallNo);
  o.Number("DeviceInstallNo", f.DeviceInstallNo).Number("InstallNo", f.InstallNo).Number("BackupInstallNo", f.BackupInstallNo);
  o.Number("RepairInstallNo", f.RepairInstallNo).Number("CounterInstallNo", f.CounterInstallNo).Number("CounterUses", f.CounterUses);
}
void Fields(Object& o, const RepairFileItem& f) {
  o.Text("Path", f.Path).Text("Details", f.Details).Text("LinkInfo", f.LinkInfo).Number("InstallNo", f.InstallNo);
}
void Fields(Object& o, const FileEditItem& f) {
  o.Text("Path", f.Path).Text("BackupPath", f.BackupPath).Number("InstallNo", f.InstallNo);
}
void Fields(Object& o, const DirItem& d) {
  o.Text("Path", d.Path).Number("Selected", d.Selected).Number("TreeInstallNo", d.TreeInstallNo);
  o.Number("MadeInstallNo", d.MadeInstallNo);
}
void Fields(Object& o, const IniFileItem& f) { o.Text("Path", f.Path).Number("Selected", f.Selected).Number("InstallNo", f.InstallNo); }
void Fields(Object& o, const IniEditItem& e) {
  o.Text("File", e.File).Text("Section", e.Section).Text("Item", e.Item).Text("OldValue", e.OldValue);
  o.Text("LatestOldValue", e.LatestOldValue).Number("Selected", e.Selected).Number("InstallNo", e.InstallNo);
}
void Fields(Object& o, const RegValueItem& v) {
  o.Text("Key", v.Key).Text("ValueName", v.ValueName).Text("RootText", v.RootText).Number("Root", v.Root);
  o.Number("Selected", v.Selected).Number("InstallNo", v.InstallNo);
}
void Fields(Object& o, const RegChangeItem& c) {
  o.Text("Key", c.Key).Text("ValueName", c.ValueName).Text("RootText", c.RootText);
  std::string& out = o.Name("OldValues");
  out += '[';
  const char* end = c.OldValues + sizeof c.OldValues;
  for (const char* p = c.OldValues; p < end && *p != '\0';) {
    if (p != c.OldValues) out += ", ";
    std::string one(p, std::find(p, end, '\0'));
    AppendJsonText(out, one.c_str());
    p += one.size() + 1;
  }
  out += ']';
  o.Text("LatestOldValue", c.LatestOldValue).Number("Root", c.Root).Number("Type", c.Type);
  o.Number("Selected", c.Selected).Number("InstallNo", c.InstallNo);
}
void Fields(Object& o, const RegTreeItem& t) {
  o.Text("Key", t.Key).Number("Root", t.Root).Number("Selected", t.Selected).Number("InstallNo", t.InstallNo);
}
void Fields(Object& o, const IconItem& i) {
  o.Text("Group", i.Group).Text("Name", i.Name).Text("Command", i.Command).Number("Selected", i.Selected);
  o.Number("InstallNo", i.InstallNo);
}
void Fields(Object& o, const ProgramItem& p) {
  o.Text("Path", p.Path).Text("Name", p.Name).Number("Selected", p.Selected).Number("InstallNo", p.InstallNo);
}
void Fields(Object& o, const ServiceItem& s) { o.Text("Name", s.Name).Number("Selected", s.Selected).Number("InstallNo", s.InstallNo); }

template <class T, class Write>
void List(Object& top, const char* name, const ItemList<T>& list, Write write) {
  std::string& out = top.Name(name);
  out += '[';
  for (uint32_t i = 0; i < list.Count; ++i) {
    out += i == 0 ? "\n    " : ",\n    ";
    Object record(out);
    write(record, *list[i]);
  }
  out += list.Count == 0 ? "]" : "\n  ]";
}

template <class T>
void List(Object& top, const char* name, const ItemList<T>& list) {
  List(top, name, list, [](Object& o, const T& record) { Fields(o, record); });
}

template <class T>
std::unordered_map<const void*, uint32_t> Positions(const ItemList<T>& list) {
  std::unordered_map<const void*, uint32_t> positions;
  for (uint32_t i = 0; i < list.Count; ++i) positions[list[i]] = i;
  return positions;
}
}  // namespace

void WriteLogJson(const InstallData& data, const char* removalRoot, std::string& out) {
  {
    Object top(out, ",\n  ");
    out += "\n  ";
    top.Number("InstallCount", data.InstallCount).Number("LastSectionOffset", data.LastSectionOffset);
    top.Text("LogTitle", data.LogTitle).Text("RemovalRoot", removalRoot).Text("SubSystemName", data.SubSystemName);
    top.Number("SubSystemSelected", data.SubSystemSelected).Text("MifFileName", data.MifFileName);
    top.Text("MifManufacturer", data.MifManufacturer).Text("MifProduct", data.MifProduct);
    top.Text("MifVersion", data.MifVersion).Text("MifSerialNumber", data.MifSerialNumber);
    top.Text("PerUserId", data.PerUserId).Number("DeleteInUseFiles", data.DeleteInUseFiles);
    top.Number("HasBackups", data.HasBackups).Number("SourceHasAttributes", data.SourceHasAttributes);
    top.Text("SystemDirectory", data.SystemDirectory);
    {
      Object sources(top.Name("InstallSources"));
      for (uint32_t i = 0; i < data.InstallSources.Capacity; ++i) {
        if (const char* source = data.InstallSources.Get(i)) sources.Text(std::to_string(i).c_str(), source);
      }
    }
    List(top, "PrivateFiles", data.PrivateFiles);
    List(top, "SystemFiles", data.SystemFiles);
    List(top, "RepairOnlyFiles", data.RepairOnlyFiles);
    List(top, "EditedFiles", data.EditedFiles);
    List(top, "CreatedDirs", data.CreatedDirs);
    List(top, "NewIniFiles", data.NewIniFiles);
    List(top, "IniEdits", data.IniEdits);
    List(top, "NewRegValues", data.NewRegValues);
    List(top, "RegTrees", data.RegTrees);
    List(top, "ChangedRegValues", data.ChangedRegValues);
    std::unordered_map<const void*, uint32_t> newValues = Positions(data.NewRegValues);
    std::unordered_map<const void*, uint32_t> changedValues = Positions(data.ChangedRegValues);
    List(top, "RegValueWrites", data.RegValueWrites, [&](Object& o, const RegWriteEntry& w) {
      o.Number("HasOld", w.HasOld).Number("Type", w.Type);
      std::string& target = o.Name("Target");
      const std::unordered_map<const void*, uint32_t>& positions = w.HasOld ? changedValues : newValues;
      auto found = positions.find(w.Target);
      if (found == positions.end()) {
        target += "null";
      } else {
        Object t(target);
        t.Text("List", w.HasOld ? "ChangedRegValues" : "NewRegValues").Number("Index", found->second);
      }
      o.Text("Data", w.Data);
    });
    List(top, "Icons", data.Icons);
    List(top, "Programs", data.Programs);
    List(top, "Services", data.Services);
    out += '\n';
  }
  out += '\n';
}
