// Mutated skins through the whole engine on a real skinned window: the
// package is read (or refused), the frame is composed and painted, the
// window is resized so its region is rebuilt, activated and deactivated so
// the caption is laid out in both looks. Every case must end in bounded time
// and memory with a frame no thicker than its share of the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "SkinFormSupport.h"
#include "SkinMutations.h"
#include "skin/manage/SkinManage.h"

namespace {

constexpr SIZE_T kMemoryLimit = 200u * 1024 * 1024;
constexpr auto kCaseLimit = std::chrono::seconds(5);
constexpr int kShortRunCases = 6;

TSkinFiles OurSkinFiles() {
  TSkinFiles files;
  WIN32_FIND_DATAA found{};
  const std::string dir = TAPVANE_SKIN_SOURCE;
  const HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    const std::string name = found.cFileName;
    if (!name.ends_with(".ini") && !name.ends_with(".bmp")) continue;
    std::ifstream in(dir + "\\" + name, std::ios::binary);
    files.push_back({name, {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
  } while (FindNextFileA(find, &found));
  FindClose(find);
  std::sort(files.begin(), files.end(), [](const TSkinFile& a, const TSkinFile& b) {
    return a.name.ends_with(".ini") != b.name.ends_with(".ini") ? a.name.ends_with(".ini")
                                                                  : a.name < b.name;
  });
  return files;
}

SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return counters.PrivateUsage;
}

// A refusal is told in a message box of this thread; nobody is there to
// press its button, so a thread timer does, from inside the box's own loop.
BOOL CALLBACK PressOk(HWND window, LPARAM) {
  wchar_t name[16] = L"";
  GetClassNameW(window, name, 16);
  if (wcscmp(name, L"#32770") == 0) PostMessageW(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}

void CALLBACK CloseRefusals(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), PressOk, 0);
}

// One mutated package on one window; false when the package was refused.
bool RunCase(const std::vector<std::uint8_t>& package) {
  const UINT_PTR closer = SetTimer(nullptr, 0, 50, CloseRefusals);
  const auto stopCloser = [closer] { KillTimer(nullptr, closer); };
  TSkinData data(nullptr);
  data.SetSkinFormtype(sfMainform);
  data.SkinStoreStream().Write(package.data(), static_cast<int64_t>(package.size()));
  if (!data.LoadSkinStore() || data.SkinPending()) {
    stopCloser();
    return false;
  }
  data.SetActive(true);
  data.Loaded();
  const HWND window = MakeRecordingWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 320, 220);
  const auto formOf = [window]() -> const TWinSkinForm* {
    const TSkinManage* manager = TSkinManage::Instance();
    return manager ? manager->FindFormObject(window) : nullptr;
  };
  PumpUntil([&] { return formOf() != nullptr; }, 1000);
  const TWinSkinForm* form = formOf();
  EXPECT_TRUE(form) << "an accepted skin skins the window";
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  SetWindowPos(window, nullptr, 0, 0, 520, 380, SWP_NOMOVE | SWP_NOZORDER);
  SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
  SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
  PumpUntil([] { return false; }, 50);
  if (form) {
    const int wide = GetSystemMetrics(SM_CXSCREEN) / 8, high = GetSystemMetrics(SM_CYSCREEN) / 8;
    EXPECT_LE(form->Frame().Top(), high);
    EXPECT_LE(form->Frame().Bottom(), high);
    EXPECT_LE(form->Frame().Left(), wide);
    EXPECT_LE(form->Frame().Right(), wide);
  }
  DestroyWindow(window);
  DestroySkinManager();
  stopCloser();
  return true;
}

TEST(SkinMutation, EveryMutatedSkinEndsInBoundedTimeAndMemory) {
  InstallSkinManager();
  const TSkinFiles ours = OurSkinFiles();
  ASSERT_GT(ours.size(), 10u);
  const char* seconds = std::getenv("TAPVANE_MUTATION_SECONDS");
  const auto budget = std::chrono::seconds(seconds ? std::atoi(seconds) : 0);
  const auto start = std::chrono::steady_clock::now();
  int runs = 0, refused = 0;
  for (std::uint32_t seed = 1;; ++seed) {
    const auto spent = std::chrono::steady_clock::now() - start;
    if (budget.count() > 0 ? spent > budget : runs >= kShortRunCases) break;
    TSkinFiles files = ours;
    const std::string said = MutateSkin(files, seed);
    const auto caseStart = std::chrono::steady_clock::now();
    refused += !RunCase(PackSkin(files));
    ++runs;
    const auto took = std::chrono::steady_clock::now() - caseStart;
    EXPECT_LT(took, kCaseLimit) << "seed " << seed << ":" << said;
    EXPECT_LT(PrivateBytes(), kMemoryLimit) << "seed " << seed << ":" << said;
    if (HasFailure()) {
      std::printf("failing seed %u:%s\n", seed, said.c_str());
      break;
    }
  }
  std::printf("mutation runs %d, refused %d, %.1f s\n", runs, refused,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

}  // namespace
