// Device lines in SYSTEM.INI's [386Enh] section. The profile calls cannot add a second
// "device=" key to a section, so the installer rewrites the file's text itself.
#pragma once
#include <string>

// The text a device line names: the path relative to the System directory when the
// file lies directly inside it or below it, otherwise the full path.
std::string DeviceLineValue(const std::string& path, const std::string& systemDir);

// The file's text with "device=value" added as the last line of [386Enh] (the section is
// appended when missing). Line ends are CR LF.
std::string AddDeviceLine(const std::string& ini, const std::string& value);
