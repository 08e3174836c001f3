// A stand-in for what the log reader asks of the system, for host tests, the benchmark
// and the fuzzer: the log comes from memory, files exist when a test says so, and every
// message and caption is recorded instead of shown.
#pragma once
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "log/bounded_text.h"
#include "log/log_reader.h"

// Bytes from memory, handed out at most Chunk bytes per read.
class MemoryByteSource : public ByteSource {
 public:
  explicit MemoryByteSource(std::string bytes, size_t chunk = LineBlockSize) : bytes_(std::move(bytes)), chunk_(chunk) {}
  int Read(char* buffer, int size) override {
    size_t n = std::min({bytes_.size() - at_, static_cast<size_t>(size), chunk_});
    std::memcpy(buffer, bytes_.data() + at_, n);
    at_ += n;
    return static_cast<int>(n);
  }

 private:
  std::string bytes_;
  size_t chunk_;
  size_t at_ = 0;
};

class StandInReaderSystem : public ReaderSystem {
 public:
  // What the stand-in answers.
  std::string Log;            // the log's bytes
  bool LogOpens = true;
  size_t Chunk = LineBlockSize;
  bool AllFilesExist = false;
  std::string MissingWhenContains;  // with AllFilesExist: paths holding this text are missing
  std::set<std::string> Files;       // upper-cased paths that exist
  std::set<std::string> SharedDlls;  // upper-cased paths with a shared-file counter
  std::map<std::string, std::string> ShortForms;  // path -> its short form (mode 0)
  std::map<std::string, std::string> LongForms;   // path -> its long form (mode 1)
  bool RemovableA = false;
  bool RemovableB = false;
  std::string WindowsDir = "C:\\WINDOWS";
  std::string SystemDir = "C:\\WINDOWS\\SYSTEM";
  std::string UserStartMenu;    // empty: the value cannot be read
  std::string CommonStartMenu;
  bool Administrator = true;

  // What the reader did.
  std::vector<std::pair<unsigned, unsigned>> Messages;  // text, caption
  std::vector<std::string> Captions;
  int OpenLogs = 0;

  void AddFile(const std::string& path) { Files.insert(Upper(path)); }

  ByteSource* OpenLog(const char* path) override {
    if (!LogOpens) return nullptr;
    ++OpenLogs;
    source_.reset(new MemoryByteSource(Log, Chunk));
    return source_.get();
  }
  void CloseLog(ByteSource* log) override { --OpenLogs; }
  bool FileExists(const char* path) override {
    if (AllFilesExist) return MissingWhenContains.empty() || std::strstr(path, MissingWhenContains.c_str()) == nullptr;
    return Files.count(Upper(path)) != 0;
  }
  void NormalizePath(char* path, int mode) override {
    const std::map<std::string, std::string>& forms = mode == 0 ? ShortForms : LongForms;
    auto found = forms.find(path);
    if (found != forms.end()) CopyText(path, 260, found->second.c_str());
  }
  bool IsRemovableDrive(char letter) override { return letter == 'A' ? RemovableA : RemovableB; }
  void WindowsDirectory(char* buffer, size_t size) override { CopyText(buffer, size, WindowsDir.c_str()); }
  void SystemDirectory(char* buffer, size_t size) override { CopyText(buffer, size, SystemDir.c_str()); }
  bool SharedDllCounted(const char* path) override { return SharedDlls.count(Upper(path)) != 0; }
  bool StartMenuFolder(bool common, char* buffer, size_t size) override {
    const std::string& folder = common ? CommonStartMenu : UserStartMenu;
    if (folder.empty()) return false;
    CopyText(buffer, size, folder.c_str());
    return true;
  }
  bool CanAdministerServices() override { return Administrator; }
  void ShowMessage(unsigned text, unsigned caption) override { Messages.emplace_back(text, caption); }
  void SetTitleCaption(const char* logTitle) override { Captions.push_back(logTitle); }

  static std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  }

 private:
  std::unique_ptr<MemoryByteSource> source_;
};
