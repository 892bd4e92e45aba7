// The skinned-control objects a form skin object keeps for its controls.
// The objects themselves come with control discovery; the list only needs
// to know the window each one skins and how to let it go.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

class TSkinObjectBase {
 public:
  virtual ~TSkinObjectBase() = default;
  // The control's window, or nullptr for a windowless control.
  virtual HWND Window() const = 0;
  // The skin changed: repaint from the new one.
  virtual void SkinChanged() {}
  // Detach; restore the control unless its window is being destroyed.
  virtual void Release(bool restoreControl) = 0;
  // The control's window was destroyed; the object only waits to be freed.
  virtual bool Gone() const { return false; }
};

class TSkinObjectList {
 public:
  // True when the object was listed already; otherwise it is appended and
  // the list owns it.
  bool Add(TSkinObjectBase* object);
  // Removes (without freeing) the last entry of the object.
  void Remove(TSkinObjectBase* object);
  TSkinObjectBase* Find(HWND window) const;
  // Every object released and freed, newest first.
  void ReleaseAll(bool restoreControls);
  void SkinChanged();
  // Frees the objects whose window is gone.
  void SweepGone();
  TSkinObjectBase* At(int index) const { return objects_.at(static_cast<size_t>(index)).get(); }
  int Count() const { return static_cast<int>(objects_.size()); }

 private:
  std::vector<std::unique_ptr<TSkinObjectBase>> objects_;
};
