// Path and file helpers that need nothing from the system but what their callers pass.
#include "log/path_helpers.h"

#include <cctype>
#include <cstring>

#include "app/char_text.h"
#include "log/bounded_text.h"

const char* FileNamePart(const char* path) {
  const char* p = path + std::strlen(path);
  while (p != path && *p != '\\') --p;
  return *p == '\\' ? p + 1 : p;
}

char* FileNamePart(char* path) { return const_cast<char*>(FileNamePart(static_cast<const char*>(path))); }

int ReadTextLine(char* buffer, size_t size, LineReaderState& state, bool keepEmptyLines) {
  if (size == 0) return 0;
  size_t stored = 0;
  bool started = false;  // a character other than a line feed belongs to this line
  for (;;) {
    if (state.Position >= state.Held) {
      state.Consumed += state.Held;
      state.Position = 0;
      int got = state.Source->Read(state.Block, static_cast<int>(LineBlockSize));
      if (got <= 0) {
        state.Held = 0;
        buffer[stored] = '\0';
        return 0;
      }
      state.Held = static_cast<uint32_t>(got);
    }
    char c = state.Block[state.Position++];
    if (c == '\r') {
      if (!started && !keepEmptyLines) continue;
      buffer[stored] = '\0';
      return 1;
    }
    if (c == '\n') continue;
    if (!started) {
      started = true;
      state.LineStart = state.Consumed + state.Position - 1;
    }
    if (stored + 1 < size) buffer[stored++] = c;
  }
}

namespace {
// Position of the next backslash at or after p, stepping over double-byte characters.
char* NextBackslash(char* p) { return FindChar(p, '\\'); }
}  // namespace

void NormalizePathWith(char* path, size_t size, int mode, PathLookup& lookup) {
  if (size < 2) return;
  if (mode == LongNameForm && FindChar(path, '~') == nullptr) return;

  if (NextBackslash(path) == nullptr) {
    // A bare name: relative to the current directory.
    char full[PathBufferSize + 1];
    char directory[PathBufferSize];
    size_t length = lookup.CurrentDirectory(directory, 257);  // at most 256 characters
    if (length == 0 || length >= sizeof directory) return;
    CopyText(full, directory);
    if (full[length - 1] != '\\') AppendText(full, "\\");
    if (std::strlen(full) + std::strlen(path) >= size) return;  // would not fit: leave it
    AppendText(full, path);
    CopyText(path, size, full);
  }

  if (std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':')
    path[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));

  // Skip the root: "\\server\" first, then the next component (share or drive).
  char* component = path;
  if (path[0] == '\\' && path[1] == '\\') {
    component = NextBackslash(path + 2);
    if (component == nullptr) return;
    ++component;
  }
  component = NextBackslash(component);
  if (component == nullptr) return;
  ++component;

  while (*component != '\0') {
    char* end = NextBackslash(component);
    size_t componentLength = end != nullptr ? static_cast<size_t>(end - component) : std::strlen(component);
    char rest[PathBufferSize + 1];
    CopyText(rest, end != nullptr ? end : "");

    char longName[PathBufferSize];
    char shortName[16];
    bool wildcard = false;
    for (size_t i = 0; i < componentLength; ++i) wildcard = wildcard || component[i] == '*' || component[i] == '?';
    char saved = component[componentLength];
    component[componentLength] = '\0';
    bool found = componentLength > 0 && !wildcard &&
                 lookup.FindEntry(path, longName, sizeof longName, shortName, sizeof shortName);
    component[componentLength] = saved;
    if (found) {
      const char* name = (mode == ShortNameForm && shortName[0] != '\0') ? shortName : longName;
      size_t nameLength = std::strlen(name);
      size_t head = static_cast<size_t>(component - path);
      if (head + nameLength + std::strlen(rest) < size) {
        std::memcpy(component, name, nameLength);
        CopyText(component + nameLength, size - head - nameLength, rest);
        componentLength = nameLength;
      }
    }
    if (component[componentLength] == '\0') break;
    component += componentLength + 1;  // past the backslash; a trailing one ends the walk
  }
}
