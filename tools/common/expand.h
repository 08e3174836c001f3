// Expands %NAME% tokens in the tools' inputs: "%%" is a percent sign, any other
// %NAME% is asked of a lookup (system folders, environment variables).
#pragma once
#include <functional>
#include <string>

// Returns false, with the unknown name in missing, when the lookup has no value for a
// token; text then holds the expansion up to that point.
typedef std::function<bool(const std::string& name, std::string& value)> TokenLookup;
bool ExpandTokens(const std::string& text, const TokenLookup& lookup, std::string& out, std::string& missing);
