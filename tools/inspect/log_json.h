// What the log reader found, written as one JSON object: the single values, the sources
// and the fourteen lists, every field under its own name. Texts are written byte for
// byte, every byte from 0x80 up as \u00XX, so the output is plain ASCII.
#pragma once
#include <string>

#include "log/item_lists.h"

void WriteLogJson(const InstallData& data, const char* removalRoot, std::string& out);

// A text as a JSON string, quotes included; null for none.
void AppendJsonText(std::string& out, const char* text);
