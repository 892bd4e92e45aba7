// Reading order through the toolkit: the mode a form is given reaches the
// extended styles of its windows and of every child that follows it, by
// name as well, and a change on live windows reaches them in place.
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/core/TypInfo.h"

namespace {

constexpr DWORD kBiDiBits = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;

DWORD BiDiBits(TWinControl* control) {
  return static_cast<DWORD>(GetWindowLongPtrW(control->Handle(), GWL_EXSTYLE)) & kBiDiBits;
}

struct TModeCase {
  TBiDiMode mode;
  const char* name;
  DWORD bits;
};

const TModeCase kModes[] = {
    {bdLeftToRight, "bdLeftToRight", 0},
    {bdRightToLeft, "bdRightToLeft", WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR},
    {bdRightToLeftNoAlign, "bdRightToLeftNoAlign", WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR},
    {bdRightToLeftReadingOnly, "bdRightToLeftReadingOnly", WS_EX_RTLREADING},
};

class BiDiModeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(60, 60, 300, 200);
    follower = new TButton(form.get());
    follower->SetParent(form.get());
    own = new TButton(form.get());
    own->SetBiDiMode(bdLeftToRight);
    own->SetParent(form.get());
    bar = new TStatusBar(form.get());
    bar->SetParent(form.get());
    panel = bar->Panels()->AddPanel();
  }

  std::unique_ptr<TForm> form;
  TButton* follower = nullptr;
  TButton* own = nullptr;
  TStatusBar* bar = nullptr;
  TStatusPanel* panel = nullptr;
};

TEST_F(BiDiModeTest, FormsModeReachesTheStylesOfFollowersByNameAndNotOfOthers) {
  for (const TModeCase& c : kModes) {
    SCOPED_TRACE(c.name);
    SetUp();
    ASSERT_TRUE(SetEnumProp(form.get(), "BiDiMode", c.name));
    form->Show();
    EXPECT_EQ(c.bits, BiDiBits(form.get()));
    EXPECT_EQ(c.bits, BiDiBits(follower));
    EXPECT_EQ(c.bits, BiDiBits(bar));
    EXPECT_EQ(0u, BiDiBits(own));
    EXPECT_EQ(c.name, GetEnumProp(follower, "BiDiMode"));
    EXPECT_EQ(c.name, GetEnumProp(panel, "BiDiMode"));
    EXPECT_EQ("bdLeftToRight", GetEnumProp(own, "BiDiMode"));
  }
}

TEST_F(BiDiModeTest, ChangeOnLiveWindowsKeepsThemAndReachesFollowersOnly) {
  form->Show();
  const HWND followerWindow = follower->Handle();
  ASSERT_EQ(0u, BiDiBits(follower));
  form->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(followerWindow, follower->Handle());
  EXPECT_EQ(kModes[1].bits, BiDiBits(form.get()));
  EXPECT_EQ(kModes[1].bits, BiDiBits(follower));
  EXPECT_EQ(0u, BiDiBits(own));

  // Following again takes the parent's mode; a panel set itself keeps its own.
  panel->SetBiDiMode(bdLeftToRight);
  own->SetParentBiDiMode(true);
  EXPECT_EQ(kModes[1].bits, BiDiBits(own));
  form->SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_EQ(WS_EX_RTLREADING, BiDiBits(follower));
  EXPECT_EQ(WS_EX_RTLREADING, BiDiBits(own));
  EXPECT_EQ(bdRightToLeftReadingOnly, bar->BiDiMode());
  EXPECT_EQ(bdLeftToRight, panel->BiDiMode());

  // A control moved under another parent follows the new one.
  auto other = std::make_unique<TForm>(nullptr);
  other->Show();
  follower->SetParent(other.get());
  EXPECT_EQ(0u, BiDiBits(follower));
  follower->SetParent(form.get());
}

}  // namespace
