// A status bar over the system's msctls_statusbar32 window, with panels.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/controls/WinControl.h"

class TStatusBar;

class TStatusPanel {
 public:
  const String& Text() const { return text_; }
  void SetText(const String& value);
  int Width() const { return width_; }
  void SetWidth(int value);

 private:
  friend class TStatusPanels;
  explicit TStatusPanel(TStatusBar& bar) : bar_(bar) {}
  TStatusBar& bar_;
  String text_;
  int width_ = 50;
};

// The panels, as lines of text (so a layout stores them as a string list);
// Items gives each panel's Text and Width. The last panel reaches the end
// of the bar.
class TStatusPanels : public TStrings {
  TAPVANE_CLASS(TStatusPanels)
 public:
  explicit TStatusPanels(TStatusBar& bar) : bar_(bar) {}
  ~TStatusPanels() override;

  TStatusPanel* Items(int index) const;
  TStatusPanel* operator[](int index) const { return Items(index); }
  TStatusPanel* AddPanel();

  String Get(int index) const override;
  int GetCount() const override { return static_cast<int>(panels_.size()); }
  void Put(int index, const String& s) override;
  void Insert(int index, const String& s) override;
  void Delete(int index) override;
  void Clear() override;

 private:
  TStatusBar& bar_;
  std::vector<std::unique_ptr<TStatusPanel>> panels_;
};

class TStatusBar : public TWinControl {
  TAPVANE_CLASS(TStatusBar)
 public:
  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;

  TStatusPanels* Panels() const { return panels_.get(); }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  const String& SimpleText() const { return simpleText_; }
  void SetSimpleText(const String& value);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  friend class TStatusPanel;
  friend class TStatusPanels;
  void UpdatePanels();
  void UpdatePanelText(int index);

  std::unique_ptr<TStatusPanels> panels_;
  bool simplePanel_ = false;
  String simpleText_;
  bool sizeGrip_ = true;
};
