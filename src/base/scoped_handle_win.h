// Owners for Windows handles: closed exactly once, never leaked on an early return.
#ifndef BASE_SCOPED_HANDLE_WIN_H_
#define BASE_SCOPED_HANDLE_WIN_H_

#include <windows.h>

namespace base {

class ScopedHandle {
 public:
  ScopedHandle() = default;
  // Takes ownership; both NULL and INVALID_HANDLE_VALUE mean "no handle".
  explicit ScopedHandle(HANDLE handle) : handle_(Normalize(handle)) {}
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.Release()) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ~ScopedHandle() { Reset(nullptr); }

  bool IsValid() const { return handle_ != nullptr; }
  HANDLE Get() const { return handle_; }
  void Reset(HANDLE handle) {
    if (handle_) ::CloseHandle(handle_);
    handle_ = Normalize(handle);
  }
  HANDLE Release() {
    HANDLE handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  static HANDLE Normalize(HANDLE handle) { return handle == INVALID_HANDLE_VALUE ? nullptr : handle; }
  HANDLE handle_ = nullptr;
};

}  // namespace base

#endif  // BASE_SCOPED_HANDLE_WIN_H_
