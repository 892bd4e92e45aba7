#include "GalleryProcess.h"

#include <cstdio>

namespace e2e {

TGalleryPaths& GalleryPaths() {
  static TGalleryPaths paths;
  return paths;
}

const wchar_t kGalleryCaption[] = L"Tapvane 皮肤画廊";

bool Skinned(HWND window) {
  constexpr UINT kSkinQuery = 0x3523;
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(window, kSkinQuery, 0, 0, SMTO_ABORTIFHUNG, 3000, &answer);
  return answer == 1;
}

std::wstring Quoted(const std::string& unixPath) { return L"\"" + WinPathOfUnix(unixPath) + L"\""; }

std::string ReadBytes(const std::string& unixPath) {
  std::string bytes;
  FILE* file = _wfopen(WinPathOfUnix(unixPath).c_str(), L"rb");
  if (!file) return bytes;
  char buffer[4096];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  std::fclose(file);
  return bytes;
}

bool WriteBytes(const std::string& unixPath, const std::string& bytes) {
  FILE* file = _wfopen(WinPathOfUnix(unixPath).c_str(), L"wb");
  if (!file) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

TGallery::TGallery(const std::string& package)
    : process(Quoted(GalleryPaths().gallery) + (package.empty() ? L"" : L" " + Quoted(package))) {}

TGallery::~TGallery() {
  if (process.Running() && IsWindow(window)) CloseAndExit();
}

bool TGallery::WaitSkinned() {
  if (!WaitFor([&] { return (window = FindTopLevel(process.Id(), kGalleryCaption)); }, 20s))
    return false;
  if (!WaitFor([&] { return Skinned(window); }, 10s)) return false;
  Pump(600ms);
  return true;
}

bool TGallery::CloseAndExit() {
  PostMessageW(window, WM_CLOSE, 0, 0);
  return process.WaitExit(20s) && process.ExitCode() == 0;
}

}  // namespace e2e
