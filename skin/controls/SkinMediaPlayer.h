// TSkinMP: a media player covered by a panel of skinned buttons
// (TWMediaPlayer) that reads the player's button sets by name at every paint
// and hands presses and releases on to the player.
#pragma once

#include <array>

#include "skin/controls/SkinControl.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/graphics/ScopedHandles.h"

class TSkinData;

class TWMediaPlayer : public TCustomControl {
  TAPVANE_CLASS(TWMediaPlayer)
 public:
  static constexpr int kButtonCount = 9;
  enum TGlyphState { gsEnabled, gsDisabled, gsColored, kGlyphStates };

  TWMediaPlayer(TComponent* owner, TControl* player, TSkinData* skinData);

  // The buttons the player shows, in button order; false for one it hides.
  std::array<bool, kButtonCount> VisibleButtons() const;
  // Where button `index` is drawn, or false when it is hidden.
  bool ButtonRect(int index, RECT& rect) const;
  // The visible button at a client point, -1 for none.
  int ButtonAt(int x, int y) const;
  int PressedButton() const { return pressed_; }
  void SetSkinData(TSkinData* value);
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  std::array<bool, kButtonCount> ButtonsIn(const char* property) const;
  void DrawGlyph(HDC dc, HBITMAP glyph, RECT rect) const;
  void EndPress();

  TControl* player_;
  TSkinData* skinData_;
  int pressed_ = -1;
  std::array<std::array<TBitmapHandle, kButtonCount>, kGlyphStates> glyphs_;
};

class TSkinMP : public TSkinControl {
  TAPVANE_CLASS(TSkinMP)
 public:
  using TSkinControl::TSkinControl;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void Unskin() override;
  void AfterProc(TMessage& message) override;
  void SkinChange() override;
  // The panel goes with the skin and comes back with it.
  void ActiveChanged() override { FollowPlayer(); }

  TWMediaPlayer* Panel() const { return panel_; }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // The panel over the player: its bounds, its visibility, its state.
  void FollowPlayer();
  bool HasButtonsImage() const;

  TWMediaPlayer* panel_ = nullptr;
};
