// A multi-line edit over the system's EDIT window. Its Lines are the
// window's text cut at line breaks, so what the user types is what Lines
// reads, and the text survives the window being made again.
#pragma once

#include <memory>

#include "toolkit/controls/WinControl.h"
#include "toolkit/core/Strings.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo;

// Lines seen through the memo's text: every change rewrites the text once.
class TMemoLines : public TStrings {
 public:
  explicit TMemoLines(TMemo& memo) : memo_(memo) {}

  String Get(int index) const override;
  int GetCount() const override;
  void Insert(int index, const String& s) override;
  void Delete(int index) override;
  void Clear() override;

 private:
  std::vector<String> Split() const;
  void Join(const std::vector<String>& lines);

  TMemo& memo_;
};

class TMemo : public TWinControl {
  TAPVANE_CLASS(TMemo)
 public:
  explicit TMemo(TComponent* owner);
  ~TMemo() override;

  TStrings* Lines() const { return lines_.get(); }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);

  TNotifyEvent OnChange;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  std::unique_ptr<TMemoLines> lines_;
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
  bool readOnly_ = false;
  TBorderStyle borderStyle_ = bsSingle;
};
