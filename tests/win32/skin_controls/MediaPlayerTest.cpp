// Media players under the real pointer, on pixels read back from the screen:
// the panel over the player shares its width among the visible buttons and
// shows each one's frame and glyph; presses reach the player, releases only over the
// button pressed; no visible button leaves a face-coloured panel; the skin
// switched off hides the panel and on shows it; discovery skins the player
// and never the panel.
#include <windows.h>

#include <memory>
#include <vector>

#include "RealPointer.h"
#include "SkinControlSupport.h"
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinMediaPlayer.h"
#include "skin/core/SkinMessages.h"
#include "toolkit/controls/MediaPlayer.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr int kWidth = 150, kHeight = 30;
// The glyphs we ship are 9 x 9: centred in a 50 x 30 button at (20, 10).
constexpr int kGlyph = 9, kGlyphLeft = (kWidth / 3 - kGlyph) / 2,
              kGlyphTop = (kHeight - kGlyph) / 2;

// A pixel of one of the program's glyph bitmaps, as the screen shows it.
unsigned GlyphPixel(const wchar_t* name, int x, int y) {
  const TBitmapHandle glyph(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!glyph) return 0xFFFFFFFF;
  const TMemoryDC dc;
  const TSelection selected(dc.Get(), glyph.Get());
  return DibColor(GetPixel(dc.Get(), x, y));
}

class MediaPlayerTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    UseSolidButtonFrames(*data, false);
    GetCursorPos(&cursor_);
  }
  void TearDown() override {
    SendPointer(cursor_);
    SkinControlTest::TearDown();
  }

  // Play, Stop and Eject shown; Stop not enabled.
  TMediaPlayer* Player() {
    auto* player = Make<TMediaPlayer>(form.get(), 20, 150, kWidth, kHeight);
    player->SetVisibleButtons({TMPBtnType::btPlay, TMPBtnType::btStop, TMPBtnType::btEject});
    player->SetEnabledButtons({TMPBtnType::btPlay, TMPBtnType::btEject});
    return player;
  }
  TWMediaPlayer* Skinned(TMediaPlayer* player) {
    auto* object = new TSkinMP(player);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    TWMediaPlayer* panel = object->Panel();
    if (panel) RepaintNow(panel->Handle());
    return panel;
  }
  // Above the glyphs, which sit in the middle of each button.
  static unsigned PanelPixel(TWMediaPlayer* panel, int x, int y = 3) {
    UpdateWindow(panel->Handle());
    return WindowPixel(panel->Handle(), x, y);
  }

  POINT cursor_{};
};

TEST_F(MediaPlayerTest, ThreeVisibleButtonsShareTheWidthInThirds) {
  TMediaPlayer* player = Player();
  TWMediaPlayer* panel = Skinned(player);
  ASSERT_NE(nullptr, panel);
  RECT over{}, under{};
  GetWindowRect(panel->Handle(), &over);
  GetWindowRect(player->Handle(), &under);
  EXPECT_TRUE(EqualRect(&over, &under)) << "the panel covers the player";
  EXPECT_EQ(panel->Handle(), WindowFromPoint(OnScreen(player->Handle(), 10, 10)));
  const int third = kWidth / 3;
  EXPECT_EQ(Frame(1), PanelPixel(panel, 0));
  EXPECT_EQ(Frame(1), PanelPixel(panel, third - 1));
  EXPECT_EQ(Frame(3), PanelPixel(panel, third)) << "Stop is not enabled";
  EXPECT_EQ(Frame(3), PanelPixel(panel, 2 * third - 1));
  EXPECT_EQ(Frame(1), PanelPixel(panel, 2 * third));
  EXPECT_EQ(Frame(1), PanelPixel(panel, kWidth - 1));
}

TEST_F(MediaPlayerTest, GlyphsByStateCentredAndMovedWhilePressed) {
  TMediaPlayer* player = Player();
  player->SetColoredButtons({TMPBtnType::btPlay});
  TWMediaPlayer* panel = Skinned(player);
  ASSERT_NE(nullptr, panel);
  const unsigned olive = DibColor(RGB(0x80, 0x80, 0x00));
  const unsigned coloured = GlyphPixel(L"CL_MPPLAY", 4, 4);
  ASSERT_NE(0xFFFFFFFFu, coloured) << "the test carries the program's glyphs";
  ASSERT_EQ(olive, GlyphPixel(L"CL_MPPLAY", 0, 0));
  const int third = kWidth / 3;
  const int y = kGlyphTop + 4;
  EXPECT_EQ(coloured, PanelPixel(panel, kGlyphLeft + 4, y)) << "Play, coloured";
  EXPECT_EQ(GlyphPixel(L"DI_MPSTOP", 4, 4), PanelPixel(panel, third + kGlyphLeft + 4, y));
  EXPECT_EQ(GlyphPixel(L"EN_MPEJECT", 4, 4), PanelPixel(panel, 2 * third + kGlyphLeft + 4, y));
  EXPECT_EQ(Frame(1), PanelPixel(panel, kGlyphLeft, kGlyphTop)) << "olive is left out";
  // Play's tip is its rightmost column, one pixel high, at (6, 4).
  const int tipX = kGlyphLeft + 7, tipY = kGlyphTop + 5;
  EXPECT_EQ(Frame(1), PanelPixel(panel, tipX, tipY));
  SendPointer(OnScreen(panel->Handle(), 5, 5));
  SendButton(MOUSEEVENTF_LEFTDOWN);
  const bool moved = PumpUntil([&] { return PanelPixel(panel, tipX, tipY) == coloured; });
  SendButton(MOUSEEVENTF_LEFTUP);
  FlushEvents();
  EXPECT_TRUE(moved) << "pressed: the glyph moves by (1, 1)";
  EXPECT_EQ(Frame(1), PanelPixel(panel, tipX, tipY));
}

TEST_F(MediaPlayerTest, ButtonSetsChangedLaterShowAtOnce) {
  TMediaPlayer* player = Player();
  TWMediaPlayer* panel = Skinned(player);
  ASSERT_NE(nullptr, panel);
  player->SetEnabledButtons({TMPBtnType::btStop});
  EXPECT_TRUE(PumpUntil([&] { return PanelPixel(panel, 5) == Frame(3); }));
  EXPECT_EQ(Frame(1), PanelPixel(panel, kWidth / 2));
}

TEST_F(MediaPlayerTest, NoVisibleButtonLeavesTheFaceColour) {
  TMediaPlayer* player = Player();
  player->SetVisibleButtons({});
  TWMediaPlayer* panel = Skinned(player);
  ASSERT_NE(nullptr, panel);
  for (int x : {0, kWidth / 2, kWidth - 1}) {
    EXPECT_EQ(SkinPixel(scButtonFace), PanelPixel(panel, x)) << x;
  }
  // A press where no button is reaches the player and breaks nothing.
  SendPointer(OnScreen(panel->Handle(), kWidth / 2, kHeight / 2));
  SendButton(MOUSEEVENTF_LEFTDOWN);
  SendButton(MOUSEEVENTF_LEFTUP);
  FlushEvents();
  EXPECT_EQ(-1, panel->PressedButton());
}

TEST_F(MediaPlayerTest, ReleaseCountsOnlyOverTheButtonPressed) {
  TMediaPlayer* player = Player();
  TWMediaPlayer* panel = Skinned(player);
  ASSERT_NE(nullptr, panel);
  auto heard = std::make_shared<std::vector<UINT>>();
  const TWndMethod saved = player->WindowProc;
  player->WindowProc = [heard, saved](TMessage& message) {
    if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONUP) heard->push_back(message.Msg);
    saved(message);
  };
  std::vector<TMPBtnType> clicked;
  player->OnClick = [&clicked](TMediaPlayer*, TMPBtnType button) { clicked.push_back(button); };
  const int third = kWidth / 3;

  SendPointer(OnScreen(panel->Handle(), third / 2, kHeight / 2));
  SendButton(MOUSEEVENTF_LEFTDOWN);
  const bool pressedShown = PumpUntil([&] { return PanelPixel(panel, third / 2) == Frame(2); });
  SendPointer(OnScreen(panel->Handle(), 2 * third + third / 2, kHeight / 2));
  SendButton(MOUSEEVENTF_LEFTUP);
  FlushEvents();
  EXPECT_TRUE(pressedShown) << "Play pressed: frame 2";
  EXPECT_EQ(std::vector<UINT>{WM_LBUTTONDOWN}, *heard) << "the release over Eject stays ours";
  EXPECT_TRUE(clicked.empty());
  EXPECT_EQ(Frame(1), PanelPixel(panel, third / 2)) << "the press is over";

  heard->clear();
  SendPointer(OnScreen(panel->Handle(), third / 2, kHeight / 2));
  SendButton(MOUSEEVENTF_LEFTDOWN);
  SendButton(MOUSEEVENTF_LEFTUP);
  FlushEvents();
  EXPECT_EQ((std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}), *heard);
  EXPECT_EQ(std::vector<TMPBtnType>{TMPBtnType::btPlay}, clicked);
  player->OnClick = nullptr;
  player->WindowProc = saved;
}

TEST_F(MediaPlayerTest, ReleaseOutsideThePanelEndsThePressUnheard) {
  TMediaPlayer* player = Player();
  TWMediaPlayer* panel = Skinned(player);
  ASSERT_NE(nullptr, panel);
  std::vector<TMPBtnType> clicked;
  player->OnClick = [&clicked](TMediaPlayer*, TMPBtnType button) { clicked.push_back(button); };
  SendPointer(OnScreen(panel->Handle(), 10, kHeight / 2));
  SendButton(MOUSEEVENTF_LEFTDOWN);
  PumpUntil([&] { return panel->PressedButton() == 0; });
  SendPointer(OnScreen(panel->Handle(), 10, kHeight + 40));
  SendButton(MOUSEEVENTF_LEFTUP);
  FlushEvents();
  EXPECT_EQ(-1, panel->PressedButton());
  EXPECT_EQ(Frame(1), PanelPixel(panel, 10));
  EXPECT_TRUE(clicked.empty());
  player->OnClick = nullptr;
}

TEST_F(MediaPlayerTest, SkinWithoutButtonPictureLeavesThePlayerItsOwnLook) {
  TMediaPlayer* player = Player();
  auto* object = new TSkinMP(player);
  object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
  ASSERT_NE(nullptr, object->Panel());
  const POINT inside = OnScreen(player->Handle(), 10, 10);
  EXPECT_EQ(object->Panel()->Handle(), WindowFromPoint(inside));
  TBitmap picture;
  picture.Assign(data->Skin().Buttons->Image.get());
  data->Skin().Buttons->Image->Assign(nullptr);
  object->SkinChange();
  EXPECT_EQ(player->Handle(), WindowFromPoint(inside)) << "no picture: the player's own buttons";
  data->Skin().Buttons->Image->Assign(&picture);
  object->SkinChange();
  EXPECT_EQ(object->Panel()->Handle(), WindowFromPoint(inside));
}

// Switched off, a click reaches the player's own window; switched on, the
// panel is back over it.
TEST_F(MediaPlayerTest, SkinSwitchedOffHidesThePanelAndOnShowsIt) {
  TMediaPlayer* player = Player();
  TWMediaPlayer* panel = Skinned(player);
  ASSERT_NE(nullptr, panel);
  const POINT inside = OnScreen(player->Handle(), 10, kHeight / 2);
  SendMessageW(player->Handle(), SKIN_SETACTIVE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(panel->Handle()));
  ASSERT_EQ(player->Handle(), WindowFromPoint(inside));
  auto heard = std::make_shared<std::vector<UINT>>();
  const TWndMethod saved = player->WindowProc;
  player->WindowProc = [heard, saved](TMessage& message) {
    if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONUP) heard->push_back(message.Msg);
    saved(message);
  };
  SendPointer(inside);
  SendButton(MOUSEEVENTF_LEFTDOWN);
  SendButton(MOUSEEVENTF_LEFTUP);
  FlushEvents();
  player->WindowProc = saved;
  EXPECT_EQ((std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}), *heard);
  EXPECT_EQ(-1, panel->PressedButton());
  SendMessageW(player->Handle(), SKIN_SETACTIVE, 1, 0);
  EXPECT_TRUE(IsWindowVisible(panel->Handle()));
  EXPECT_EQ(panel->Handle(), WindowFromPoint(inside));
  EXPECT_EQ(Frame(1), PanelPixel(panel, 0));
}

TEST_F(MediaPlayerTest, DiscoverySkinsThePlayerButNeverItsPanel) {
  TMediaPlayer* player = Player();
  TControlDiscovery discovery(*formObject, *data);
  discovery.SkinChildren(form.get());
  auto* object = dynamic_cast<TSkinMP*>(formObject->FindSkinObject(player->Handle()));
  ASSERT_NE(nullptr, object);
  ASSERT_NE(nullptr, object->Panel());
  discovery.SkinChildren(form.get());
  EXPECT_EQ(nullptr, formObject->FindSkinObject(object->Panel()->Handle()));
  object->Unskin();
  EXPECT_EQ(nullptr, object->Panel());
  EXPECT_EQ(player->Handle(), WindowFromPoint(OnScreen(player->Handle(), 10, 10)));
}

}  // namespace
