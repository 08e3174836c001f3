// Search trees over the keyed lists, so that a repeated log entry is found without a
// scan. The list's first record is the root; records hang under Left and Right.
#pragma once
#include "app/char_text.h"
#include "log/item_lists.h"

// Compares two texts from their last characters towards their first, folding a-z to
// upper case. The first differing pair decides (folded a minus folded b); when one
// text is a tail of the other, the shorter one sorts after: a exhausted first gives
// +1, b exhausted first gives -1.
int CompareFromEnd(const char* a, const char* b);

// The keys of each tree: the first is compared with CompareFromEnd, the others with
// the case-insensitive comparison.
inline const char* TreeKey1(const FileItem& r) { return r.Path; }
inline const char* TreeKey2(const FileItem&) { return nullptr; }
inline const char* TreeKey3(const FileItem&) { return nullptr; }
inline const char* TreeKey1(const IniEditItem& r) { return r.File; }
inline const char* TreeKey2(const IniEditItem& r) { return r.Section; }
inline const char* TreeKey3(const IniEditItem& r) { return r.Item; }
inline const char* TreeKey1(const RegValueItem& r) { return r.Key; }
inline const char* TreeKey2(const RegValueItem& r) { return r.ValueName; }
inline const char* TreeKey3(const RegValueItem& r) { return r.RootText; }
inline const char* TreeKey1(const RegChangeItem& r) { return r.Key; }
inline const char* TreeKey2(const RegChangeItem& r) { return r.ValueName; }
inline const char* TreeKey3(const RegChangeItem& r) { return r.RootText; }

template <class T>
int CompareTreeKeys(const T& record, const char* key1, const char* key2, const char* key3) {
  int result = CompareFromEnd(TreeKey1(record), key1);
  if (result == 0 && key2 != nullptr) result = CompareNoCase(TreeKey2(record), key2);
  if (result == 0 && key3 != nullptr) result = CompareNoCase(TreeKey3(record), key3);
  return result;
}


// Looks the keys up in the list's tree (key2 and key3 may be null). Found: that record.
// Not found: with an arena, a new zero-filled record is appended to the list, hung under
// the last record visited and returned with Added set; the caller fills its keys before
// the next lookup. Without an arena it is a pure lookup and returns null.
template <class T>
T* FindOrAddKeyed(ItemList<T>& list, Arena* arena, const char* key1, const char* key2, const char* key3,
                  bool* added = nullptr) {
  if (added != nullptr) *added = false;
  T* parent = nullptr;
  int side = 0;
  for (T* node = list.Count > 0 ? list[0] : nullptr; node != nullptr;) {
    side = CompareTreeKeys(*node, key1, key2, key3);
    if (side == 0) return node;
    parent = node;
    node = side < 0 ? node->Left : node->Right;
  }
  if (arena == nullptr) return nullptr;
  T* record = list.Append(*arena);
  if (parent != nullptr) (side < 0 ? parent->Left : parent->Right) = record;
  if (added != nullptr) *added = true;
  return record;
}
