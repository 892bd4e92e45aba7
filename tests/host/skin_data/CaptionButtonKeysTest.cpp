#include <gtest/gtest.h>

#include "skin/data/SkinCaptionButtonKeys.h"
#include "skin/read/WinSkinIni.h"

namespace {

std::vector<TCaptionButtonKeys> Read(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  return ReadCaptionButtonKeys(ini, sections);
}

std::vector<std::string> Names(const std::vector<TCaptionButtonKeys>& buttons) {
  std::vector<std::string> names;
  for (const auto& b : buttons) names.push_back(b.Name);
  return names;
}

TEST(CaptionButtonKeys, PushButtonSectionsAreNotCaptionButtons) {
  const auto buttons = Read(
      "[Buttons]\nBitmap=b.bmp\n[Button]\nAction=1\n[BUTTON.RADIO]\n[Button.CheckBox]\n"
      "[Button1]\nAction=2\n[buttonClose]\nAction=0\n[MyButton]\nAction=1\n[Buttons2]\n");
  EXPECT_EQ((std::vector<std::string>{"BUTTON1", "BUTTONCLOSE", "BUTTONS2"}), Names(buttons));
}

TEST(CaptionButtonKeys, HiddenSectionsAreDropped) {
  const auto buttons = Read(
      "[ButtonA]\nAction=-1\n"                // Visibility defaults to -1: hidden
      "[ButtonB]\nAction=-1\nVisibility=2\n"  // hidden
      "[ButtonC]\nAction=-1\nVisibility=0\n"  // shown
      "[ButtonD]\nVisibility=3\n");           // Action 0: shown
  ASSERT_EQ((std::vector<std::string>{"BUTTONC", "BUTTOND"}), Names(buttons));
  EXPECT_EQ(-1, buttons[0].Action);
  EXPECT_EQ(-1, buttons[0].Visibility1);  // default follows Action -1
  EXPECT_EQ(0, buttons[1].Visibility1);
  EXPECT_EQ(3, buttons[1].Visibility);
}

TEST(CaptionButtonKeys, KeysAndDefaults) {
  const auto buttons = Read(
      "[Button1]\nAction=3\nAlign=1\nXcoord=40\nYcoord=0x05\nVisibility=1\nVisibility1=2\n"
      "CombineOp=0\nframe=4\nButtonImage=skin\\close.bmp\n[Button2]\n");
  ASSERT_EQ(2u, buttons.size());
  const TCaptionButtonKeys& b = buttons[0];
  EXPECT_EQ(3, b.Action);
  EXPECT_EQ(1, b.Align);
  EXPECT_EQ(40, b.Xcoord);
  EXPECT_EQ(5, b.Ycoord);
  EXPECT_EQ(1, b.Visibility);
  EXPECT_EQ(2, b.Visibility1);
  EXPECT_EQ(0, b.CombineOp);
  EXPECT_EQ(4, b.Frame);
  EXPECT_EQ("skin\\close.bmp", b.ImageValue);
  const TCaptionButtonKeys& d = buttons[1];
  EXPECT_EQ(0, d.Action);
  EXPECT_EQ(0, d.Align);
  EXPECT_EQ(0, d.Xcoord);
  EXPECT_EQ(0, d.Visibility);
  EXPECT_EQ(0, d.Visibility1);
  EXPECT_EQ(-1, d.CombineOp);
  EXPECT_EQ(0, d.Frame);
  EXPECT_EQ("", d.ImageValue);
}

TEST(CaptionButtonKeys, Action4TakesThePositionOfTheLastAction1Visibility2) {
  const auto buttons = Read(
      "[Button0]\nAction=4\nXcoord=1\nYcoord=2\n"  // nothing remembered yet: own position
      "[Button1]\nAction=1\nVisibility=2\nXcoord=50\nYcoord=6\n"
      "[Button2]\nAction=1\nVisibility=1\nXcoord=70\nYcoord=7\n"  // not remembered
      "[Button3]\nAction=4\nXcoord=90\nYcoord=9\n");
  ASSERT_EQ(4u, buttons.size());
  EXPECT_EQ(1, buttons[0].Xcoord);
  EXPECT_EQ(2, buttons[0].Ycoord);
  EXPECT_EQ(50, buttons[3].Xcoord);
  EXPECT_EQ(6, buttons[3].Ycoord);
}

TEST(CaptionButtonKeys, ARepeatedSectionGivesTwoButtonsReadingTheFirst) {
  const auto buttons = Read("[Button1]\nAction=2\n[Button1]\nAction=5\n");
  ASSERT_EQ(2u, buttons.size());
  EXPECT_EQ(2, buttons[0].Action);
  EXPECT_EQ(2, buttons[1].Action);
}

}  // namespace

namespace {

// A description with thousands of BUTTON sections makes no more buttons than
// a caption could hold; the first ones in order are kept.
TEST(CaptionButtonKeys, ManyButtonSectionsStopAtTheLimit) {
  std::string text = "[Buttons]\nBitmap=b.bmp\n";
  for (int i = 0; i < 5000; ++i) text += "[Button" + std::to_string(i) + "]\nAction=0\n";
  const auto buttons = Read(text);
  ASSERT_EQ(static_cast<std::size_t>(kMaxCaptionButtons), buttons.size());
  EXPECT_EQ("BUTTON0", buttons.front().Name);
  EXPECT_EQ("BUTTON" + std::to_string(kMaxCaptionButtons - 1), buttons.back().Name);
}

}  // namespace
