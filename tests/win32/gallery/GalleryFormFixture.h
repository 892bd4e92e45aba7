// The gallery's window made from its stored layout, shown and skinned, for
// the tests that drive it in process.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "gallery/GalleryForm.h"
#include "skin/data/WinSkinData.h"
#include "skin/manage/SkinManage.h"
#include "tests/win32/support/FlushEvents.h"
#include "tests/win32/support/HandleExpectations.h"
#include "toolkit/controls/Application.h"

inline std::string ReadAll(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class GalleryFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The handle counter patches imports at its first snapshot; taken
    // before anything is made, it sees every object.
    wintest::Snapshot();
    Application->Initialize();
    Application->SetTitle("皮肤画廊");
    // As the program starts: every window here is skinned.
    InstallSkinManager();
  }
  void SetUp() override {
    Application->MessageBoxFunc = [this](HWND, const std::wstring& text, const std::wstring&,
                                         UINT) {
      boxes_.push_back(text);
      return IDOK;
    };
    form_ = std::make_unique<TGalleryForm>(nullptr);
    form_->Show();
    const DWORD start = GetTickCount();
    while (!Skinned(form_->Handle()) && GetTickCount() - start < 3000) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      wintest::FlushEvents();
    }
  }
  void TearDown() override {
    form_.reset();
    wintest::FlushEvents();
    Application->MessageBoxFunc = nullptr;
  }
  template <typename T>
  T* Find(const char* name) {
    return dynamic_cast<T*>(form_->FindComponent(name));
  }
  TSkinData& Skin() { return *Find<TSkinData>("SkinData1"); }
  static bool Skinned(HWND window) {
    constexpr UINT kSkinQuery = 0x3523;
    return SendMessageW(window, kSkinQuery, 0, 0) == 1;
  }
  void Flush() { wintest::FlushEvents(); }

  std::unique_ptr<TGalleryForm> form_;
  std::vector<std::wstring> boxes_;
};
