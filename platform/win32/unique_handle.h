#pragma once

#include <utility>

namespace slotmate::win32 {

// Sole owner of one system handle: closes it exactly once, moves, never copies.
// The empty value is T{}; wrap handles whose failure value differs (files'
// INVALID_HANDLE_VALUE) only after checking them.
template <typename T, auto Close>
class UniqueHandle {
 public:
  UniqueHandle() noexcept = default;
  explicit UniqueHandle(T value) noexcept : value_(value) {}
  UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  T get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != T{}; }
  T release() noexcept { return std::exchange(value_, T{}); }
  void reset(T value = T{}) noexcept {
    if (value_ != T{}) Close(value_);
    value_ = value;
  }
  // For out-parameters: frees what is held, then lends the slot.
  T* put() noexcept {
    reset();
    return &value_;
  }

 private:
  T value_{};
};

}  // namespace slotmate::win32
