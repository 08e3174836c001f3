// Line patterns with {*} and {?}.
#include "tools/common/glob.h"

namespace {

bool MatchAt(const std::string& p, size_t pi, const std::string& t, size_t ti) {
  while (pi < p.size()) {
    if (p.compare(pi, 3, "{*}") == 0) {
      pi += 3;
      for (size_t k = ti; k <= t.size(); ++k)
        if (MatchAt(p, pi, t, k)) return true;
      return false;
    }
    if (p.compare(pi, 3, "{?}") == 0) {
      if (ti >= t.size()) return false;
      pi += 3;
      ++ti;
      continue;
    }
    if (ti >= t.size() || p[pi] != t[ti]) return false;
    ++pi;
    ++ti;
  }
  return ti == t.size();
}

}  // namespace

bool GlobMatch(const std::string& pattern, const std::string& text) { return MatchAt(pattern, 0, text, 0); }
