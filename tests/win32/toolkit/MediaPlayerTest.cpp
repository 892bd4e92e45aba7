// The media player panel: its button sets by name as text, the buttons laid
// out from the visible set, one click per press released over the same
// enabled button, and the sets kept by a layout.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "TestSupport.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/MediaPlayer.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/Streams.h"
#include "toolkit/core/TypInfo.h"

namespace {

TMediaPlayer* MakePlayer(TForm& form) {
  auto* player = new TMediaPlayer(&form);
  player->SetName("Player");
  player->SetParent(&form);
  player->SetBounds(0, 0, 90, 30);
  return player;
}

void Click(HWND window, int x, int upX) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 10));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(upX, 10));
  FlushEvents();
}

TEST(MediaPlayer, SetsByNameDecideTheButtonsAndTheirPlaces) {
  EnsureToolkit();
  TForm form(nullptr);
  TMediaPlayer* player = MakePlayer(form);
  ASSERT_TRUE(SetSetProp(player, "VisibleButtons", "btStop,btPlay,btEject"));
  EXPECT_EQ("btPlay,btStop,btEject", GetSetProp(player, "VisibleButtons"));
  RECT stop{};
  ASSERT_TRUE(player->ButtonRect(TMPBtnType::btStop, stop));
  EXPECT_EQ(30, stop.left);
  EXPECT_EQ(60, stop.right);
  RECT pause{};
  EXPECT_FALSE(player->ButtonRect(TMPBtnType::btPause, pause));
  TMPBtnType hit{};
  ASSERT_TRUE(player->ButtonAt(75, 5, hit));
  EXPECT_EQ(TMPBtnType::btEject, hit);

  ASSERT_TRUE(SetSetProp(player, "VisibleButtons", ""));
  EXPECT_FALSE(player->ButtonAt(10, 5, hit));
}

TEST(MediaPlayer, ClickFiresOnceOnlyForAnEnabledButtonReleasedInPlace) {
  EnsureToolkit();
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  TMediaPlayer* player = MakePlayer(form);
  SetSetProp(player, "VisibleButtons", "btPlay,btPause,btStop");
  SetSetProp(player, "EnabledButtons", "btPlay,btStop");
  std::vector<TMPBtnType> clicks;
  player->OnClick = [&clicks](TMediaPlayer*, TMPBtnType b) { clicks.push_back(b); };
  form.Show();
  FlushEvents();

  Click(player->Handle(), 75, 75);  // stop
  Click(player->Handle(), 45, 45);  // pause: not enabled
  Click(player->Handle(), 15, 45);  // play pressed, released over pause
  // A press cut short by the system is not a click when the button comes up.
  PostMessageW(player->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 10));
  PostMessageW(player->Handle(), WM_CANCELMODE, 0, 0);
  PostMessageW(player->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(15, 10));
  FlushEvents();
  ASSERT_EQ(1u, clicks.size());
  EXPECT_EQ(TMPBtnType::btStop, clicks[0]);
}

TEST(MediaPlayer, ButtonSetsReadBackFromAWrittenLayout) {
  EnsureToolkit();
  TForm source(nullptr);
  source.SetName("Source");
  TMediaPlayer* player = MakePlayer(source);
  player->SetVisibleButtons({TMPBtnType::btPlay, TMPBtnType::btRecord});
  player->SetEnabledButtons({TMPBtnType::btRecord});
  player->SetColoredButtons({});
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(&source);
  stream.SetPosition(0);
  TForm target(nullptr);
  TReader reader(stream);
  reader.ReadRootComponent(&target);
  TComponent* copy = target.FindComponent("Player");
  ASSERT_NE(nullptr, copy);
  EXPECT_EQ("btPlay,btRecord", GetSetProp(copy, "VisibleButtons"));
  EXPECT_EQ("btRecord", GetSetProp(copy, "EnabledButtons"));
  EXPECT_EQ("", GetSetProp(copy, "ColoredButtons"));
}

}  // namespace
