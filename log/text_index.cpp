// Hash indexes over record keys.
#include "log/text_index.h"

#include <algorithm>

#include "app/char_text.h"

uint64_t FoldedHashStep(uint64_t hash, unsigned char c) { return (hash ^ FoldCharCase(c)) * 1099511628211ull; }

uint64_t FoldedHash(const char* text, uint64_t seed, size_t count) {
  uint64_t hash = seed == 0 ? FoldedHashStart : seed;
  for (size_t i = 0; i < count && text[i] != '\0'; ++i) hash = FoldedHashStep(hash, static_cast<unsigned char>(text[i]));
  return FoldedHashStep(hash, 0);  // ends the text, so that "AB"+"C" differs from "A"+"BC"
}

void TextIndex::Remove(uint64_t key, uint32_t item) {
  auto found = buckets_.find(key);
  if (found == buckets_.end()) return;
  std::vector<uint32_t>& items = found->second;
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
  if (items.empty()) buckets_.erase(found);
}

const std::vector<uint32_t>* TextIndex::Find(uint64_t key) const {
  auto found = buckets_.find(key);
  return found == buckets_.end() ? nullptr : &found->second;
}
