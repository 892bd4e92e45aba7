// The application as a form sees it: its main form's closing or going ends
// the run. The application installs itself, so that forms need not know it.
#pragma once

class TCustomForm;

class TMainFormOwner {
 public:
  virtual TCustomForm* MainForm() const = 0;
  virtual void Terminate() = 0;

 protected:
  ~TMainFormOwner() = default;
};

// nullptr uninstalls; the owner must outlive every form it hears about.
void SetMainFormOwner(TMainFormOwner* owner);
TMainFormOwner* MainFormOwner();
