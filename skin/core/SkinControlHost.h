// TSkinControlHost: what a skinned-control object needs from the skin object
// of the window its control sits in: a list to join and leave, the window to
// post its requests to and the canvas the controls share. The form skin
// object implements it, so the controls never see the form itself.
#pragma once

#include <windows.h>

class TCanvas;
class TComponent;
class TSkinObjectBase;

class TSkinControlHost {
 public:
  // The skinned top-level window; requests such as SKIN_RESKINSCROLL go here.
  virtual HWND HostWindow() const = 0;
  // The sender the skin data's events name when a control is being skinned.
  virtual TComponent* HostComponent() = 0;

  // True when the object was listed already; otherwise it is appended and
  // the host owns it.
  virtual bool AddSkinObject(TSkinObjectBase* object) = 0;
  // Removes (without freeing) the object from the list.
  virtual void RemoveSkinObject(TSkinObjectBase* object) = 0;
  virtual TSkinObjectBase* FindSkinObject(HWND window) const = 0;
  // Frees the objects whose window is gone.
  virtual void SweepGoneSkinObjects() = 0;
  // The canvas handed to the skinned controls; it has no DC of its own.
  virtual TCanvas& ControlCanvas() = 0;

 protected:
  ~TSkinControlHost() = default;
};
