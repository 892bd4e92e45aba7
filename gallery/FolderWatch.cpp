#include "gallery/FolderWatch.h"

namespace {

// What an editor's save touches: the contents, the size, or a new name when
// it writes a temporary file and renames it over the old one.
constexpr DWORD kChanges =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

}  // namespace

TFolderWatch::TFolderWatch(const std::wstring& folder, HWND window, UINT message)
    : window_(window), message_(message) {
  change_ = FindFirstChangeNotificationW(folder.c_str(), FALSE, kChanges);
  if (change_ == INVALID_HANDLE_VALUE) return;
  if (!RegisterWaitForSingleObject(&wait_, change_, &Changed, this, INFINITE, WT_EXECUTEDEFAULT)) {
    wait_ = nullptr;
  }
}

TFolderWatch::~TFolderWatch() {
  // Waits for a callback under way, so that none runs on a freed watch.
  if (wait_) UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
  if (change_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(change_);
}

void CALLBACK TFolderWatch::Changed(void* self, BOOLEAN) {
  auto* watch = static_cast<TFolderWatch*>(self);
  PostMessageW(watch->window_, watch->message_, 0, 0);
  // Re-armed before the pool waits on it again.
  FindNextChangeNotification(watch->change_);
}
