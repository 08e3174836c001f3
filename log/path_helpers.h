// Path and file helpers shared by the log reader and the engine: the file-name part of a
// path, the buffered line reader over a byte source, and the component walk that turns
// a path into its short or long form, asking the file system through PathLookup.
#pragma once
#include <cstddef>
#include <cstdint>

const size_t LineBlockSize = 16384;  // bytes read from the file at a time
const size_t PathBufferSize = 260;   // paths are held in 260-byte buffers

// The text after the last backslash of path (the whole path when it has none).
const char* FileNamePart(const char* path);
char* FileNamePart(char* path);

// Where the line reader takes its bytes: an open file on Windows, memory elsewhere.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to size bytes into buffer; 0 or less is the end of the file (or an error).
  virtual int Read(char* buffer, int size) = 0;
};

// The state of one line reader. Block holds LineBlockSize bytes; the other fields start
// at 0. The byte offset of the next unread byte is Consumed + Position.
struct LineReaderState {
  ByteSource* Source;
  char* Block;
  uint32_t Position;   // next byte of Block to look at
  uint32_t Held;       // bytes Block holds
  uint64_t Consumed;   // bytes of the file before Block
  uint64_t LineStart;  // offset of the first character of the last line read
};

// Reads the next line into buffer (at most size - 1 characters and a terminator). A
// carriage return ends a line, line feeds are dropped, characters beyond size - 1 are
// dropped. Empty lines are skipped unless keepEmptyLines. Result 1: a line ended by a
// carriage return; 0: the end of the file, with buffer holding what the last line had.
int ReadTextLine(char* buffer, size_t size, LineReaderState& state, bool keepEmptyLines);

// What NormalizePath asks of the file system.
class PathLookup {
 public:
  virtual ~PathLookup() = default;
  // The current directory into buffer (size bytes); its length, 0 on failure.
  virtual size_t CurrentDirectory(char* buffer, size_t size) = 0;
  // Looks up the entry that path names; on success fills its long and short names
  // (the short name empty when the entry has none).
  virtual bool FindEntry(const char* path, char* longName, size_t longSize, char* shortName, size_t shortSize) = 0;
};

const int ShortNameForm = 0;
const int LongNameForm = 1;

// Rewrites path (a buffer of size bytes) in place with every component after the root in
// its short (mode 0) or long (mode 1) form. In mode 1 a path without "~" is left as it is.
// A component that is not found, holds a wildcard, or whose other form would not fit
// the buffer stays as written.
void NormalizePathWith(char* path, size_t size, int mode, PathLookup& lookup);
