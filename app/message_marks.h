// The marks of replacement texts in the settings file: "|" is a line break, "~" a blank.
#pragma once
#include <cstddef>

// Rewrites text (a buffer of size bytes) in place: every "|" becomes a carriage return
// and a line feed, then every "~" a blank. Double-byte characters are stepped over.
// A text that would outgrow the buffer is cut at its end.
void ExpandMessageMarks(char* text, size_t size);

// Replaces every occurrence of mark (a character below 128) by the two characters
// CR LF, moving the rest right and cutting at the buffer's end.
void ExpandLineBreakMark(char* text, size_t size, char mark);
