// Line-break and blank marks of texts from the settings file.
#include "app/message_marks.h"

#include <cstring>

#include "app/char_text.h"

void ExpandLineBreakMark(char* text, size_t size, char mark) {
  if (size == 0) return;
  char* from = text;
  while (char* found = FindChar(from, mark)) {
    size_t position = static_cast<size_t>(found - text);
    if (position + 2 >= size) {  // no room for both characters: the text ends here
      *found = '\0';
      return;
    }
    size_t rest = std::strlen(found + 1);
    if (position + 2 + rest >= size) rest = size - position - 3;  // cut the tail to fit
    std::memmove(found + 2, found + 1, rest);
    found[2 + rest] = '\0';
    found[0] = '\r';
    found[1] = '\n';
    from = found + 2;
  }
}

void ExpandMessageMarks(char* text, size_t size) {
  ExpandLineBreakMark(text, size, '|');
  for (char* p = FindChar(text, '~'); p != nullptr; p = FindChar(p, '~')) *p = ' ';
}
