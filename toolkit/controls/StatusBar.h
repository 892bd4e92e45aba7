// A status bar over the system's msctls_statusbar32 window, with panels.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/controls/WinControl.h"
#include "toolkit/core/Persistent.h"

class TStatusBar;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
// An owner-drawn panel shows no text of its own: OnDrawPanel paints it.
enum TStatusPanelStyle { psText, psOwnerDraw };

// One panel. Text, Width, Alignment, Bevel and Style are published, so code
// that knows the bar only by property names can read and set them.
class TStatusPanel : public TPersistent {
  TAPVANE_CLASS(TStatusPanel)
 public:
  const String& Text() const { return text_; }
  void SetText(const String& value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel value);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle value);
  // A panel that follows its bar reads in the bar's BiDiMode.
  TBiDiMode BiDiMode() const;
  void SetBiDiMode(TBiDiMode value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool value);

  TStatusBar& StatusBar() const { return bar_; }
  // The panel's place in the bar, -1 once it was taken out.
  int Index() const;

 private:
  friend class TStatusPanels;
  explicit TStatusPanel(TStatusBar& bar) : bar_(bar) {}
  void Changed();

  TStatusBar& bar_;
  String text_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  TStatusPanelBevel bevel_ = pbLowered;
  TStatusPanelStyle style_ = psText;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
};

// The panels, as lines of text (so a layout stores them as a string list);
// Items gives each panel with its properties. The last panel reaches the
// end of the bar.
class TStatusPanels : public TStrings {
  TAPVANE_CLASS(TStatusPanels)
 public:
  explicit TStatusPanels(TStatusBar& bar) : bar_(bar) {}
  ~TStatusPanels() override;

  TStatusPanel* Items(int index) const;
  TStatusPanel* operator[](int index) const { return Items(index); }
  TStatusPanel* AddPanel();
  int IndexOfPanel(const TStatusPanel* panel) const;

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

// Paints an owner-drawn panel: rect in the bar's client coordinates, the
// bar's Canvas bound to the device context for the duration of the call.
using TDrawPanelEvent = std::function<void(TStatusBar*, TStatusPanel*, const RECT&)>;

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

  // Bound to a device context only while a panel is drawn.
  TCanvas* Canvas() const { return canvas_.get(); }
  TDrawPanelEvent OnDrawPanel;
  // Runs OnDrawPanel for panel with Canvas bound to dc. The bar calls it
  // for its owner-drawn panels; code painting the bar itself calls it too.
  void DrawPanel(HDC dc, TStatusPanel* panel, const RECT& rect);

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  friend class TStatusPanel;
  friend class TStatusPanels;
  void UpdatePanels();
  void UpdatePanelText(int index);

  std::unique_ptr<TStatusPanels> panels_;
  std::unique_ptr<TCanvas> canvas_;
  bool simplePanel_ = false;
  String simpleText_;
  bool sizeGrip_ = true;
};
