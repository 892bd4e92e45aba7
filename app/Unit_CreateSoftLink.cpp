#include "app/Unit_CreateSoftLink.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "app/AppConstants.h"
#include "app/WebLink.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace app {

namespace {

constexpr char kShellFoldersKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// A registry string is never this long; anything larger is not a path.
constexpr DWORD kMaxValueBytes = 64 * 1024;

std::string ReadStringValue(HKEY key, const std::string& name) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return {};
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0 || size > kMaxValueBytes) return {};
  std::vector<char> buffer(size + 1, '\0');
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                       &size) != ERROR_SUCCESS)
    return {};
  // The stored text need not end in a terminator; the extra byte supplies one.
  buffer[std::min<std::size_t>(size, buffer.size() - 1)] = '\0';
  return std::string(buffer.data());
}

std::wstring AnsiToWide(const std::string& text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string OwnExecutablePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string GetShellFolderPath(const std::string& valueName) {
  TRegKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_READ, key.Out()) != ERROR_SUCCESS)
    return {};
  return ReadStringValue(key.Get(), valueName) + "\\";
}

bool CreateShortcut(const std::string& target, const std::string& linkFile,
                    const std::string& description) {
  TComRef<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.Out())))
    return false;
  link->SetPath(target.c_str());
  link->SetDescription(description.c_str());
  TComRef<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out()))) return false;
  file->Save(AnsiToWide(linkFile).c_str(), TRUE);
  return true;
}

void CreateProgramShortcut() {
  CreateShortcut(OwnExecutablePath(), GetShellFolderPath("Desktop") + "Tapvane.lnk",
                 std::string(kVendorName));
}

void CreateSiteShortcut(const std::function<void(const std::string&)>& showMessage) {
  if (!CreateShortcut(SiteShortcutTarget(), GetShellFolderPath("Desktop") + "Zelquin.lnk",
                      std::string(kVendorName)))
    showMessage("创建快捷方式失败");
}

}  // namespace app
