// Tells a window, by a posted message, that something in a folder changed:
// a file written, grown, added, removed or renamed. The system's change
// notification wakes a pool thread; nothing polls.
#pragma once

#include <windows.h>

#include <string>

class TFolderWatch {
 public:
  // Posts message (no parameters) to window on every change in folder.
  TFolderWatch(const std::wstring& folder, HWND window, UINT message);
  ~TFolderWatch();
  TFolderWatch(const TFolderWatch&) = delete;
  TFolderWatch& operator=(const TFolderWatch&) = delete;

  // False when the system would not watch the folder.
  bool Watching() const { return wait_ != nullptr; }

 private:
  static void CALLBACK Changed(void* self, BOOLEAN timedOut);

  HWND window_;
  UINT message_;
  HANDLE change_ = INVALID_HANDLE_VALUE;
  HANDLE wait_ = nullptr;
};
