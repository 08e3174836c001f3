// Parsing of the command line: options at its start, then the log path and an
// optional caption.
#include "app/command_line.h"

#include <cstring>

#include "app/char_text.h"
#include "log/bounded_text.h"

namespace {
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Consumes one option at p (which holds "/"). Returns the position after it, or null
// when the letter is not an option, which ends option parsing.
const char* TakeOption(const char* p, CommandLine& line) {
  switch (Upper(p[1])) {
    case 'A': line.AutomaticRun = 1; break;
    case 'S': line.SilentRun = 1; line.AutomaticRun = 1; break;
    case 'R': line.RollbackRequested = 1; break;
    case 'U': line.FinishPageStart = 1; break;
    case 'Z':
      if (p[1] == 'z') {
        line.SecondStage = 1;
        if (p[2] == '1') {
          line.RebootNeeded = 1;
          return p + 3;
        }
      }
      break;
    default: return nullptr;
  }
  return p + 2;
}

const char* SkipBlanks(const char* p) {
  while (*p == ' ') ++p;
  return p;
}
}  // namespace

CommandLine ParseCommandLine(const char* text) {
  CommandLine line = {};
  CopyText(line.Text, text);
  line.InPlaceRun = line.Text[0] == '/' && Upper(line.Text[1]) == 'Z';

  const char* p = line.Text;
  while (*p == '/') {
    const char* next = TakeOption(p, line);
    if (next == nullptr) break;
    p = SkipBlanks(next);
  }
  p = SkipBlanks(p);
  CopyText(line.ArgumentText, p);
  if (line.SecondStage) return line;

  char* blank = FindChar(line.ArgumentText, ' ');
  if (blank == nullptr) return line;
  *blank = '\0';
  line.HasSecondArgument = 1;
  const char* second = blank + 1;
  if (*second == '"') ++second;
  CopyText(line.SecondArgument, second);
  size_t length = std::strlen(line.SecondArgument);
  if (length > 0 && line.SecondArgument[length - 1] == '"') line.SecondArgument[length - 1] = '\0';
  return line;
}
