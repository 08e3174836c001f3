// Bounded text copies: every copy into a fixed-size text field goes through here,
// so a value longer than its field is cut at the field's width, never written past it.
#pragma once
#include <cstddef>

// Copies src into dst (size bytes, terminator included), cutting what does not fit.
// Returns the number of characters stored.
size_t CopyText(char* dst, size_t size, const char* src);

// Copies at most count characters of src (fewer if src ends first), cutting to the field.
size_t CopyTextN(char* dst, size_t size, const char* src, size_t count);

// Appends src to the text already in dst, cutting what does not fit.
size_t AppendText(char* dst, size_t size, const char* src);

template <size_t N> size_t CopyText(char (&dst)[N], const char* src) { return CopyText(dst, N, src); }
template <size_t N> size_t CopyTextN(char (&dst)[N], const char* src, size_t count) { return CopyTextN(dst, N, src, count); }
template <size_t N> size_t AppendText(char (&dst)[N], const char* src) { return AppendText(dst, N, src); }
