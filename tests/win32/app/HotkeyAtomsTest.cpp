// The 13 hotkey atoms: added, used as hotkey identifiers, released.
#include <gtest/gtest.h>

#include "app/HotkeyAtoms.h"

namespace {

class HotkeyAtomsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExW(0, L"STATIC", L"hotkeys", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
    other_ = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             nullptr, nullptr);
    ASSERT_NE(nullptr, window_);
    ASSERT_NE(nullptr, other_);
  }
  void TearDown() override {
    UnregisterHotKey(other_, kProbe);
    DestroyWindow(other_);
    DestroyWindow(window_);
  }
  // Whether another window can take the key now.
  bool OtherCanRegister(UINT key) {
    const bool ok = RegisterHotKey(other_, kProbe, MOD_CONTROL, key) != FALSE;
    if (ok) UnregisterHotKey(other_, kProbe);
    return ok;
  }

  static constexpr int kProbe = 0x7000;
  HWND window_ = nullptr;
  HWND other_ = nullptr;
};

TEST_F(HotkeyAtomsTest, AtomsAreTheDecimalTextsAndIdentifyTheHotkeys) {
  app::THotkeyAtoms atoms;
  atoms.Register(window_);
  for (int i = 0; i < app::THotkeyAtoms::kCount; ++i) {
    const auto atom = static_cast<ATOM>(atoms.Slot(i));
    ASSERT_NE(0, atom) << i;
    EXPECT_EQ(atoms.Slot(i), atoms.Slot(i) & 0xFFFFu);
    char name[16] = {};
    ASSERT_GT(GlobalGetAtomNameA(atom, name, sizeof name), 0u);
    EXPECT_EQ(std::to_string(i), name);
  }
  EXPECT_TRUE(atoms.IsCapture(atoms.Slot(11)));
  EXPECT_TRUE(atoms.IsStop(atoms.Slot(12)));
  EXPECT_FALSE(atoms.IsCapture(atoms.Slot(12)));
  EXPECT_FALSE(atoms.IsStop(atoms.Slot(10)));
  EXPECT_FALSE(OtherCanRegister('S'));
  EXPECT_FALSE(OtherCanRegister('A'));
}

TEST_F(HotkeyAtomsTest, ReleaseFreesBothKeysAndTheAtoms) {
  // Atoms a killed process left behind in this session are not ours to judge.
  std::vector<std::string> absent;
  for (const char* text : {"0", "5", "11", "12"})
    if (GlobalFindAtomA(text) == 0) absent.push_back(text);
  {
    app::THotkeyAtoms atoms;
    atoms.Register(window_);
    EXPECT_NE(0, GlobalFindAtomA("11"));
    atoms.Release();
    EXPECT_FALSE(atoms.Held());
    EXPECT_TRUE(OtherCanRegister('S'));
    EXPECT_TRUE(OtherCanRegister('A'));
    atoms.Release();  // a second release is harmless
  }
  for (const auto& text : absent) EXPECT_EQ(0, GlobalFindAtomA(text.c_str())) << text;
}

TEST_F(HotkeyAtomsTest, DestructionReleasesWhatIsStillHeld) {
  {
    app::THotkeyAtoms atoms;
    atoms.Register(window_);
    EXPECT_FALSE(OtherCanRegister('A'));
  }
  EXPECT_TRUE(OtherCanRegister('S'));
  EXPECT_TRUE(OtherCanRegister('A'));
}

TEST_F(HotkeyAtomsTest, AKeyHeldElsewhereStaysInactiveWithoutComplaint) {
  ASSERT_TRUE(RegisterHotKey(other_, kProbe, MOD_CONTROL, 'S'));
  app::THotkeyAtoms atoms;
  atoms.Register(window_);
  EXPECT_TRUE(atoms.Held());
  // Ctrl+A went to us; Ctrl+S stays with the other window.
  EXPECT_FALSE(RegisterHotKey(other_, kProbe + 1, MOD_CONTROL, 'A'));
  atoms.Release();
  EXPECT_FALSE(RegisterHotKey(other_, kProbe + 1, MOD_CONTROL, 'S'));
}

}  // namespace
