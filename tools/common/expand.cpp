// %NAME% token expansion.
#include "tools/common/expand.h"

bool ExpandTokens(const std::string& text, const TokenLookup& lookup, std::string& out, std::string& missing) {
  out.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    size_t end = text.find('%', i + 1);
    if (end == std::string::npos) {  // a lone percent sign stays as written
      out += text.substr(i);
      return true;
    }
    std::string name = text.substr(i + 1, end - i - 1);
    if (name.empty()) {
      out += '%';
    } else {
      std::string value;
      if (!lookup(name, value)) {
        missing = name;
        return false;
      }
      out += value;
    }
    i = end;
  }
  return true;
}
