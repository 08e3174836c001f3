// Indexes that let the reader find records of its linearly searched lists without a scan:
// records are filed under a hash of their key texts with letter case folded, in list
// order, so the first record that really matches is the one a linear search would find.
#pragma once
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

// Hash of text with letter case folded (FoldCharCase), continuing from seed; count
// limits the characters taken. Equal texts ignoring case give equal hashes.
uint64_t FoldedHash(const char* text, uint64_t seed = 0, size_t count = static_cast<size_t>(-1));
// Continues a hash by one character.
uint64_t FoldedHashStep(uint64_t hash, unsigned char c);
const uint64_t FoldedHashStart = 1469598103934665603ull;

class TextIndex {
 public:
  void Add(uint64_t key, uint32_t item) { buckets_[key].push_back(item); }
  void Remove(uint64_t key, uint32_t item);
  void Change(uint64_t key, uint32_t item, bool add) { add ? Add(key, item) : Remove(key, item); }
  // Items filed under key, in the order they were added; null when none.
  const std::vector<uint32_t>* Find(uint64_t key) const;
  void Clear() { buckets_.clear(); }

 private:
  std::unordered_map<uint64_t, std::vector<uint32_t>> buckets_;
};
