#include "gallery/FolderWatch.h"

namespace {

// What an editor's save touches: the contents, the size, or a new name when
// it writes a temporary file and renames it over the old one.
constexpr DWORD kChanges =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

}  // namespace

TFolderWatch::TFolderWatch(const std::wstring& folder, HWND window, UINT message)
    : window_(window), message_(message) {
  const HANDLE change = FindFirstChangeNotificationW(folder.c_str(), FALSE, kChanges);
  if (change == INVALID_HANDLE_VALUE) return;
  change_.Reset(change);
  stop_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!stop_) return;
  thread_.Reset(CreateThread(nullptr, 0, &Run, this, 0, nullptr));
}

TFolderWatch::~TFolderWatch() {
  if (!thread_) return;
  SetEvent(stop_.Get());
  WaitForSingleObject(thread_.Get(), INFINITE);
}

DWORD WINAPI TFolderWatch::Run(void* self) {
  auto& watch = *static_cast<TFolderWatch*>(self);
  const HANDLE handles[] = {watch.stop_.Get(), watch.change_.Get()};
  while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    PostMessageW(watch.window_, watch.message_, 0, 0);
    if (!FindNextChangeNotification(watch.change_.Get())) break;
  }
  return 0;
}
