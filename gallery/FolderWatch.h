// Tells a window, by a posted message, that something in a folder changed:
// a file written, grown, added, removed or renamed. A thread of its own
// sleeps on the system's change notification; nothing polls.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/graphics/ScopedHandles.h"

class TFolderWatch {
 public:
  // Posts message (no parameters) to window on every change in folder.
  TFolderWatch(const std::wstring& folder, HWND window, UINT message);
  // Stops the thread and waits for it.
  ~TFolderWatch();
  TFolderWatch(const TFolderWatch&) = delete;
  TFolderWatch& operator=(const TFolderWatch&) = delete;

  // False when the system would not watch the folder.
  bool Watching() const { return static_cast<bool>(thread_); }

 private:
  struct TKernelFree {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
  };
  struct TChangeFree {
    void operator()(HANDLE handle) const { FindCloseChangeNotification(handle); }
  };
  using TKernelHandle = TOwnedHandle<HANDLE, TKernelFree>;

  static DWORD WINAPI Run(void* self);

  HWND window_;
  UINT message_;
  TOwnedHandle<HANDLE, TChangeFree> change_;
  TKernelHandle stop_;
  TKernelHandle thread_;
};
