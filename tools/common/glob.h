// Line patterns for expectation files: "{*}" stands for any text (also none) and "{?}"
// for any one character; everything else must match exactly, letter case included.
// Braces are used because log lines themselves hold "*" ("*** ") and paths hold "\".
#pragma once
#include <string>

bool GlobMatch(const std::string& pattern, const std::string& text);
