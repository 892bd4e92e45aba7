#include "gallery/WinSkinFolder.h"

#include <windows.h>

#include "toolkit/controls/WideText.h"

namespace {

std::wstring Wide(const std::string& utf8) {
  const WideString wide = Utf8ToWide(utf8);
  return std::wstring(reinterpret_cast<const wchar_t*>(wide.c_str()), wide.size());
}

struct TFindClose {
  void operator()(HANDLE find) const { FindClose(find); }
};
struct TFileClose {
  void operator()(HANDLE file) const { CloseHandle(file); }
};

// Closes a handle that INVALID_HANDLE_VALUE marks as none.
template <typename Close>
class TValidHandle {
 public:
  explicit TValidHandle(HANDLE handle) : handle_(handle) {}
  ~TValidHandle() {
    if (Valid()) Close{}(handle_);
  }
  TValidHandle(const TValidHandle&) = delete;
  TValidHandle& operator=(const TValidHandle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

bool TWinSkinFolder::List(std::vector<TSkinFolderEntry>& files) const {
  WIN32_FIND_DATAW found{};
  const TValidHandle<TFindClose> find(FindFirstFileW((Wide(folder_) + L"\\*").c_str(), &found));
  if (!find.Valid()) return false;
  do {
    if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) continue;
    const uint64_t size = (uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
    files.push_back({FromWide(found.cFileName), size});
  } while (FindNextFileW(find.Get(), &found));
  return GetLastError() == ERROR_NO_MORE_FILES;
}

bool TWinSkinFolder::Read(const std::string& name, size_t limit,
                          std::vector<uint8_t>& bytes) const {
  const TValidHandle<TFileClose> file(CreateFileW(
      (Wide(folder_) + L"\\" + Wide(name)).c_str(), GENERIC_READ,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
  LARGE_INTEGER size{};
  if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
      static_cast<uint64_t>(size.QuadPart) > limit)
    return false;
  bytes.resize(static_cast<size_t>(size.QuadPart));
  DWORD got = 0;
  if (!bytes.empty() &&
      !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr))
    return false;
  bytes.resize(got);
  return true;
}
