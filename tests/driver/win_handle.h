// Owns a kernel HANDLE (process, snapshot) and closes it once.
#pragma once
#include <windows.h>

class WinHandle {
 public:
  explicit WinHandle(HANDLE handle = nullptr) : handle_(handle) {}
  ~WinHandle() {
    if (IsValid()) CloseHandle(handle_);
  }
  WinHandle(const WinHandle&) = delete;
  WinHandle& operator=(const WinHandle&) = delete;
  WinHandle(WinHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }

  bool IsValid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};
