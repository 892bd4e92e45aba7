// An up-down control over the system's msctls_updown32 window, optionally
// tied to a buddy control whose text shows its position.
#pragma once

#include <functional>

#include "toolkit/controls/WinControl.h"

enum TUDBtnType { btNext, btPrev };
enum TUDAlignButton { udLeft, udRight };
enum TUDOrientation { udHorizontal, udVertical };

// Which arrow moved the position.
using TUDClickEvent = std::function<void(TObject*, TUDBtnType)>;
// Before the position moves; setting allowChange to false keeps it.
using TUDChangingEvent = std::function<void(TObject*, bool& allowChange)>;

// Min may lie above Max: the arrows then count the other way round, as the
// system's control does.
class TUpDown : public TWinControl {
  TAPVANE_CLASS(TUpDown)
 public:
  explicit TUpDown(TComponent* owner);
  ~TUpDown() override;

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // The window's own position once it exists: a person may have typed a
  // new number into the buddy.
  int Position();
  void SetPosition(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value);
  TUDAlignButton AlignButton() const { return alignButton_; }
  void SetAlignButton(TUDAlignButton value);
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* value);
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool value);
  bool Thousands() const { return thousands_; }
  void SetThousands(bool value);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool value);

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void DestroyWnd() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int Low() const { return min_ < max_ ? min_ : max_; }
  int High() const { return min_ < max_ ? max_ : min_; }
  void ApplyRange();
  void ApplyBuddy();
  // The buddy gets back the bounds it had before the arrows took their
  // share of it; each new window of the up-down would take it again.
  void ReleaseBuddy();
  bool Changing(int delta);
  void Scrolled();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  TUDOrientation orientation_ = udVertical;
  TUDAlignButton alignButton_ = udRight;
  TWinControl* associate_ = nullptr;
  bool arrowKeys_ = true;
  bool thousands_ = true;
  bool wrap_ = false;
  int lastDelta_ = 0;
  bool buddyTaken_ = false;
  RECT buddyBounds_{};
};
