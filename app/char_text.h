// Character-set services the portable code asks of the platform: stepping over
// double-byte characters, case-insensitive comparison and OEM-to-ANSI conversion.
// The Windows programs answer with the system's own calls (CharNextA, lstrcmpiA,
// OemToCharBuffA); the host build answers for single-byte text.
#pragma once
#include <cstddef>

// The next character after p (p itself at the terminator).
const char* NextChar(const char* p);
// Whole texts compared without regard to letter case: <0, 0, >0.
int CompareNoCase(const char* a, const char* b);
// The first count characters of two texts (fewer where a text ends) without regard to case.
int CompareNoCaseN(const char* a, const char* b, size_t count);
// Converts OEM text to the ANSI code page into dst (size bytes, cut to fit).
void OemToAnsi(const char* src, char* dst, size_t size);

// The character folded to upper case as the case-insensitive comparison sees it, byte by
// byte; two texts that compare equal ignoring case fold to the same bytes (ligatures and
// characters the system's comparison ignores aside). Used to key indexes of texts.
unsigned char FoldCharCase(unsigned char c);

// True when text begins with prefix, letter case ignored.
bool StartsWithNoCase(const char* text, const char* prefix);

// First occurrence of c in text, stepping from character to character so that the
// second byte of a double-byte character is never compared; null when absent.
// Only characters below 128 can be found; the terminator is never found.
char* FindChar(char* text, char c);
const char* FindChar(const char* text, char c);
