#include "SkinFormSupport.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "TestSupport.h"
#include "tests/win32/support/HandleCounter.h"
#include "toolkit/controls/Application.h"
#include "toolkit/core/Streams.h"

std::unique_ptr<TSkinData> MakeSkinData(TComponent* owner, TSkinFormType type) {
  auto data = std::make_unique<TSkinData>(owner);
  data->SetSkinFormtype(type);
  std::ifstream file(TAPVANE_SKIN_PACKAGE, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
  data->SkinStoreStream().Write(bytes.data(), static_cast<int64_t>(bytes.size()));
  data->LoadSkinStore();
  return data;
}

std::vector<RecordedMessage>& Recorded() {
  static std::vector<RecordedMessage> messages;
  return messages;
}

int CountOf(HWND window, UINT msg) {
  int count = 0;
  for (const RecordedMessage& m : Recorded()) count += m.window == window && m.msg == msg;
  return count;
}

void ClearRecorded() { Recorded().clear(); }

namespace {
LRESULT CALLBACK RecordingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  Recorded().push_back({window, msg, wParam});
  return DefWindowProcW(window, msg, wParam, lParam);
}
}  // namespace

HWND MakeRecordingWindow(DWORD style, DWORD exStyle, HWND parent, int width, int height) {
  static const ATOM cls = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = L"SkinRecordingWindow";
    return RegisterClassW(&wc);
  }();
  return CreateWindowExW(exStyle, MAKEINTATOM(cls), L"Recording", style, 40, 40, width, height,
                         parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::vector<unsigned> CaptionBand(HWND window, int height) {
  RECT r{};
  GetWindowRect(window, &r);
  const int width = r.right - r.left;
  DibSurface surface(width, height);
  const HDC dc = GetWindowDC(window);
  BitBlt(surface.dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  std::vector<unsigned> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(surface.Pixel(x, y));
  return pixels;
}

bool PumpUntil(const std::function<bool()>& done, DWORD budgetMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > budgetMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    FlushEvents();
  }
  return true;
}

TWinSkinForm* WaitUntilSkinned(HWND window, DWORD budgetMs) {
  TWinSkinForm* object = nullptr;
  const auto skinned = [&] {
    TSkinManage* manager = TSkinManage::Instance();
    object = manager ? manager->FindFormObject(window) : nullptr;
    return object && object->AttachState() == asSkinned;
  };
  return PumpUntil(skinned, budgetMs) ? object : nullptr;
}

TWinSkinForm& SkinnedObject(HWND window) {
  if (TWinSkinForm* object = WaitUntilSkinned(window)) return *object;
  throw std::runtime_error("the window was not skinned in time");
}

void PressAltWith(WORD key) {
  INPUT keys[4]{};
  const WORD sequence[4] = {VK_MENU, key, key, VK_MENU};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = sequence[i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, keys, sizeof keys[0]);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 400) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Application->ProcessMessages();
  }
}

void SkinManagerTest::SetUp() {
  // The handle counter patches imports at its first snapshot; taken here, it
  // sees every object the test makes, also those made before its own first
  // snapshot and replaced after it.
  wintest::Snapshot();
  EnsureToolkit();
  InstallSkinManager();
  data = MakeSkinData();
  ASSERT_FALSE(data->SkinPending());
  data->SetActive(true);
  data->Loaded();
  ASSERT_NE(nullptr, TSkinManage::Instance());
  ClearRecorded();
}

void SkinManagerTest::TearDown() {
  FlushEvents();
  DestroySkinManager();
  data.reset();
}
