// Dates and times as the install log and the repair list write them: the MS-DOS packed
// date and time, the log's "MM-DD-YYYY | HH:MM:SS" text, and the attribute text of an
// installation file ("%02d-%02d-%04d | %02d:%02d:%02d | %ld").
#pragma once
#include <cstdint>
#include <string>

struct Stamp {
  int Year = 1980, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
};

uint16_t PackDosDate(const Stamp& s);
uint16_t PackDosTime(const Stamp& s);  // seconds in two-second steps
// Unpacks with the repair year rule (two-digit years from 60 on are the 1900s) and
// seconds as twice the packed field.
Stamp UnpackDos(uint16_t date, uint16_t time);

// "MM-DD-YYYY" and "HH:MM:SS"; false when the text has another form or values out of range.
bool ParseDate(const std::string& text, Stamp& s);
bool ParseTime(const std::string& text, Stamp& s);
std::string FormatDate(const Stamp& s);  // MM-DD-YYYY
std::string FormatTime(const Stamp& s);  // HH:MM:SS

// The five fields a file line carries after its "|": " date | time | third | size | crc".
std::string FormatDetails(const Stamp& s, const std::string& third, uint32_t size, uint32_t crc);
// The attribute text of a "Source: " line.
std::string FormatSourceAttributes(const Stamp& s, uint32_t size);
