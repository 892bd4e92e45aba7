// Desktop shortcuts through the shell link object.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <string>

#include "app/Unit_CreateSoftLink.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

std::string TempFolder() {
  char path[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, path);
  std::string folder = std::string(path) + "tapvane_shortcut_test\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

struct TLinkContents {
  std::string path, description;
};

TLinkContents ReadLink(const std::string& file) {
  TComRef<IShellLinkA> link;
  TComRef<IPersistFile> persist;
  TLinkContents contents;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.Out())))
    return contents;
  if (FAILED(link->QueryInterface(IID_IPersistFile, persist.Out()))) return contents;
  std::wstring wide(file.begin(), file.end());
  if (FAILED(persist->Load(wide.c_str(), STGM_READ))) return contents;
  char buffer[1024] = {};
  if (SUCCEEDED(link->GetPath(buffer, sizeof buffer, nullptr, SLGP_RAWPATH)))
    contents.path = buffer;
  buffer[0] = 0;
  if (SUCCEEDED(link->GetDescription(buffer, sizeof buffer))) contents.description = buffer;
  return contents;
}

class ShortcutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(ShortcutTest, ShellFolderPathEndsInABackslash) {
  const auto desktop = app::GetShellFolderPath("Desktop");
  ASSERT_GT(desktop.size(), 3u);
  EXPECT_EQ('\\', desktop.back());
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(desktop.c_str()));
  EXPECT_EQ("\\", app::GetShellFolderPath("No Such Shell Folder"));
}

TEST_F(ShortcutTest, WritesTargetAndDescriptionAndReplacesAnExistingFile) {
  const auto file = TempFolder() + "probe.lnk";
  DeleteFileA(file.c_str());
  ASSERT_TRUE(app::CreateShortcut("C:\\windows\\notepad.exe", file, "first"));
  EXPECT_EQ("first", ReadLink(file).description);
  ASSERT_TRUE(app::CreateShortcut("C:\\windows\\regedit.exe", file, "Velmora"));
  const auto contents = ReadLink(file);
  EXPECT_EQ("C:\\windows\\regedit.exe", contents.path);
  EXPECT_EQ("Velmora", contents.description);
  DeleteFileA(file.c_str());
}

TEST_F(ShortcutTest, SiteShortcutGoesOnTheDesktop) {
  const auto file = app::GetShellFolderPath("Desktop") + "Zelquin.lnk";
  DeleteFileA(file.c_str());
  std::string message;
  app::CreateSiteShortcut([&](const std::string& text) { message = text; });
  EXPECT_EQ("", message);
  const auto contents = ReadLink(file);
  // Windows keeps the address as given; Wine's shell link makes a file path
  // of it (the current folder, then "http:\\www.velmora.example\\?qq=...").
  const std::string address = "http://www.velmora.example/?qq=PointrelD";
  const std::string asWinePath = "\\http:\\www.velmora.example\\?qq=PointrelD";
  EXPECT_TRUE(contents.path == address ||
              (contents.path.size() > asWinePath.size() &&
               contents.path.compare(contents.path.size() - asWinePath.size(), asWinePath.size(),
                                     asWinePath) == 0))
      << contents.path;
  EXPECT_EQ("Velmora", contents.description);
  DeleteFileA(file.c_str());
}

TEST_F(ShortcutTest, ProgramShortcutPointsAtTheRunningExecutable) {
  const auto file = app::GetShellFolderPath("Desktop") + "Tapvane.lnk";
  DeleteFileA(file.c_str());
  app::CreateProgramShortcut();
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const auto contents = ReadLink(file);
  EXPECT_EQ(0, lstrcmpiA(self, contents.path.c_str())) << contents.path;
  EXPECT_EQ("Velmora", contents.description);
  DeleteFileA(file.c_str());
}

// Without COM on the thread the link object cannot be created.
TEST(ShortcutWithoutCom, FailsAndTheSiteShortcutTellsTheUser) {
  const auto file = TempFolder() + "nocom.lnk";
  EXPECT_FALSE(app::CreateShortcut("C:\\windows\\notepad.exe", file, "x"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(file.c_str()));
  std::string message;
  app::CreateSiteShortcut([&](const std::string& text) { message = text; });
  EXPECT_EQ("创建快捷方式失败", message);
}

}  // namespace
