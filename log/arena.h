// The run's arena: every list, record and long-lived buffer is carved from a chain of
// blocks and released together at the end of the run. Nothing is freed singly.
#pragma once
#include <cstddef>

class Arena {
 public:
  static const size_t BlockSize = 64512;

  Arena() = default;
  ~Arena() { FreeAll(); }
  Arena(const Arena&) = delete;
  Arena& operator=(const Arena&) = delete;

  // Memory for size bytes, zero-filled, aligned for any record. Never returns null:
  // when the system has no memory left the process ends.
  void* Alloc(size_t size);
  // Copies a terminated text into the arena.
  char* CopyOf(const char* text);
  // Releases every block.
  void FreeAll();
  // Bytes taken from the system (for benchmarks).
  size_t BytesReserved() const { return reserved_; }

 private:
  struct Block {
    Block* Next;
  };
  Block* first_ = nullptr;
  Block* current_ = nullptr;
  size_t used_ = 0;     // bytes used in the current block, header included
  size_t capacity_ = 0; // size of the current block
  size_t reserved_ = 0;
};

// The arena of the running program.
extern Arena RunArena;
inline void* ArenaAlloc(size_t size) { return RunArena.Alloc(size); }
inline void ArenaFreeAll() { RunArena.FreeAll(); }
