// A media player's button panel. The toolkit opens no media device, so a
// click only reports which button was pressed; nothing is played, recorded
// or ejected.
#pragma once

#include <functional>

#include "toolkit/controls/WinControl.h"
#include "toolkit/core/Sets.h"

// Scoped: the up-down's button type uses two of these names too.
enum class TMPBtnType {
  btPlay,
  btPause,
  btStop,
  btNext,
  btPrev,
  btStep,
  btBack,
  btRecord,
  btEject
};
using TButtonSet = TSet<TMPBtnType>;

class TMediaPlayer;
using TMPNotifyEvent = std::function<void(TMediaPlayer*, TMPBtnType)>;

class TMediaPlayer : public TCustomControl {
  TAPVANE_CLASS(TMediaPlayer)
 public:
  static constexpr int kButtonCount = 9;

  explicit TMediaPlayer(TComponent* owner);

  TButtonSet VisibleButtons() const { return visible_; }
  void SetVisibleButtons(TButtonSet value);
  TButtonSet EnabledButtons() const { return enabled_; }
  void SetEnabledButtons(TButtonSet value);
  TButtonSet ColoredButtons() const { return colored_; }
  void SetColoredButtons(TButtonSet value);

  // The button drawn at a client point, false where there is none.
  bool ButtonAt(int x, int y, TMPBtnType& button) const;
  // Where a visible button is drawn: the width is shared equally, in
  // button order from the left.
  bool ButtonRect(TMPBtnType button, RECT& rect) const;

  TMPNotifyEvent OnClick;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  int VisibleCount() const;

  TButtonSet visible_;
  TButtonSet enabled_;
  TButtonSet colored_;
  bool pressing_ = false;
  TMPBtnType pressed_ = TMPBtnType::btPlay;
};
