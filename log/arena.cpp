// Block-chained arena for the run's lists and records.
#include "log/arena.h"

#include <cstdlib>
#include <cstring>

Arena RunArena;

namespace {
const size_t Alignment = alignof(std::max_align_t);
size_t RoundUp(size_t n) { return (n + Alignment - 1) & ~(Alignment - 1); }
const size_t HeaderSize = (sizeof(void*) + Alignment - 1) & ~(Alignment - 1);
}  // namespace

void* Arena::Alloc(size_t size) {
  size = RoundUp(size == 0 ? 1 : size);
  if (current_ == nullptr || capacity_ - used_ < size) {
    size_t blockSize = BlockSize;
    if (size + HeaderSize > blockSize) blockSize = size + HeaderSize;
    Block* block = static_cast<Block*>(std::malloc(blockSize));
    if (block == nullptr) std::abort();
    block->Next = nullptr;
    if (current_ != nullptr) current_->Next = block; else first_ = block;
    current_ = block;
    capacity_ = blockSize;
    used_ = HeaderSize;
    reserved_ += blockSize;
  }
  char* memory = reinterpret_cast<char*>(current_) + used_;
  used_ += size;
  std::memset(memory, 0, size);
  return memory;
}

char* Arena::CopyOf(const char* text) {
  size_t length = std::strlen(text);
  char* copy = static_cast<char*>(Alloc(length + 1));
  std::memcpy(copy, text, length + 1);
  return copy;
}

void Arena::FreeAll() {
  while (first_ != nullptr) {
    Block* next = first_->Next;
    std::free(first_);
    first_ = next;
  }
  current_ = nullptr;
  used_ = capacity_ = reserved_ = 0;
}
