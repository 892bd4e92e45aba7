#include "app/ClickListStore.h"

#include <shlobj.h>

#include <algorithm>
#include <cwchar>

#include "toolkit/controls/WideText.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace app {

namespace {

struct TKernelHandleFree {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using TFileHandle = TOwnedHandle<HANDLE, TKernelHandleFree>;

TFileHandle OpenFile(const std::wstring& path, DWORD access, DWORD disposition, DWORD share) {
  const HANDLE handle = CreateFileW(path.c_str(), access, share, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  return TFileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return FolderOf(path.substr(0, length));
    path.resize(path.size() * 2);
  }
}

bool IsWritableFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  return static_cast<bool>(OpenFile(path, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE));
}

DWORD WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return GetLastError();
    if (written == 0) return ERROR_WRITE_FAULT;
    bytes.remove_prefix(written);
  }
  return FlushFileBuffers(file) ? 0 : GetLastError();
}

std::wstring TimeStamp() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t text[32];
  std::swprintf(text, 32, L"%04u%02u%02u-%02u%02u%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
                now.wMinute, now.wSecond);
  return text;
}

}  // namespace

std::wstring ClickListLocation() {
  const std::wstring beside = ProgramFolder() + L"\\" + kClickListFileName;
  if (IsWritableFile(beside)) return beside;
  wchar_t appData[MAX_PATH] = L"";
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
    return beside;
  return std::wstring(appData) + L"\\Tapvane\\" + kClickListFileName;
}

TFileStart ReadFileStart(const std::wstring& path, std::size_t limit) {
  TFileStart start;
  const TFileHandle file =
      OpenFile(path, GENERIC_READ, OPEN_EXISTING, FILE_SHARE_READ | FILE_SHARE_WRITE);
  if (!file) {
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) start.error = error;
    return start;
  }
  start.found = true;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) {
    start.error = GetLastError();
    return start;
  }
  const auto total = static_cast<unsigned long long>(size.QuadPart);
  start.cutShort = total > limit;
  start.bytes.resize(static_cast<std::size_t>(std::min<unsigned long long>(total, limit)));
  std::size_t done = 0;
  while (done < start.bytes.size()) {
    DWORD read = 0;
    const DWORD chunk =
        static_cast<DWORD>(std::min<std::size_t>(start.bytes.size() - done, 1u << 20));
    if (!ReadFile(file.Get(), start.bytes.data() + done, chunk, &read, nullptr)) {
      start.error = GetLastError();
      return start;
    }
    if (read == 0) break;  // the file shrank while we read it
    done += read;
  }
  start.bytes.resize(done);
  return start;
}

DWORD WriteFileReplacing(const std::wstring& path, std::string_view bytes) {
  const std::wstring folder = FolderOf(path);
  if (!folder.empty() && GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  // One temporary name per process: two Tapvanes never write into each other's.
  const std::wstring temporary = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  DWORD error = 0;
  {
    const TFileHandle file = OpenFile(temporary, GENERIC_WRITE, CREATE_ALWAYS, 0);
    if (!file) return GetLastError();
    error = WriteAll(file.Get(), bytes);
  }
  if (error == 0 && !MoveFileExW(temporary.c_str(), path.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error != 0) DeleteFileW(temporary.c_str());
  return error;
}

std::wstring SetDamagedFileAside(const std::wstring& path) {
  std::wstring stem = path;
  if (stem.size() > 4 && _wcsicmp(stem.c_str() + stem.size() - 4, L".txt") == 0)
    stem.resize(stem.size() - 4);
  const std::wstring base = stem + L".damaged-" + TimeStamp();
  for (int n = 1; n < 1000; ++n) {
    const std::wstring aside = base + (n == 1 ? L"" : L"-" + std::to_wstring(n)) + L".txt";
    // Without MOVEFILE_REPLACE_EXISTING an earlier copy is never overwritten.
    if (MoveFileExW(path.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)) return aside;
    const DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return {};
  }
  return {};
}

std::string SystemErrorText(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text ? text : L"", length);
  if (text) LocalFree(text);
  while (!message.empty() &&
         (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
    message.pop_back();
  return FromWide(message) + " (" + std::to_string(error) + ")";
}

}  // namespace app
