// Owning wrappers for the window and icon handles the controls keep (GDI
// objects use the graphics library's wrappers).
#pragma once

#include <windows.h>

#include <utility>

template <typename Handle, typename Deleter>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr && handle_ != handle) Deleter{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct WindowDeleter {
  void operator()(HWND window) const { DestroyWindow(window); }
};

using UniqueIcon = UniqueHandle<HICON, IconDeleter>;
using UniqueWindow = UniqueHandle<HWND, WindowDeleter>;
