#pragma once
// Components used by the toolkit core tests and the layout reader fuzzer:
// one of every property kind, a binary property, nesting by parent, and a
// root class offering handlers.

#include <vector>

#include "toolkit/core/Classes.h"

enum TTestAlign { taNone, taTop, taBottom, taClient };
enum TTestOption { toAlpha, toBeta, toGamma, toDelta };
using TTestOptions = TSet<TTestOption>;

const TEnumInfo& TestAlignInfo();
const TEnumInfo& TestOptionInfo();
const TIntegerIdents& TestColorIdents();  // clRed = 0xFF, clBtnFace = 0xFF00000F

// A sub-object stored through its owner's property ("Font.Height").
class TTestFont : public TPersistent {
  TAPVANE_CLASS(TTestFont)
 public:
  String Name = "Tahoma";
  int Height = -11;
  int Color = 0;
  TTestOptions Style;
  TNotifyEvent OnChange;
  int Pitch = 0;  // not published: stored through DefineProperties when set

  void DefineProperties(TFiler& Filer) override;
};

// A control: nests under its parent in a layout.
class TTestControl : public TComponent {
  TAPVANE_CLASS(TTestControl)
 public:
  explicit TTestControl(TComponent* AOwner);
  ~TTestControl() override;

  TTestControl* Parent() const { return parent_; }
  void SetParent(TTestControl* parent);
  const std::vector<TTestControl*>& Controls() const { return controls_; }

  TComponent* GetParentComponent() const override { return parent_; }
  void SetParentComponent(TComponent* parent) override;
  bool HasParent() const override { return true; }
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  void Loaded() override;

  int Left = 0;
  int Top = 0;
  int Color = 0;
  String Caption;
  WideString WideCaption;
  bool Visible = true;
  TTestAlign Align = taNone;
  TTestFont Font;
  TNotifyEvent OnClick;
  TMouseMoveEvent OnMouseMove;
  TComponentState StateAtLoaded;

 private:
  TTestControl* parent_ = nullptr;
  std::vector<TTestControl*> controls_;
};

// A non-visual component with a binary property: a 32-bit length, then
// that many bytes.
class TTestData : public TComponent {
  TAPVANE_CLASS(TTestData)
 public:
  explicit TTestData(TComponent* AOwner);

  void DefineProperties(TFiler& Filer) override;
  void Loaded() override;

  bool Active = false;
  int DisableTag = 99;
  TTestOptions Options{toAlpha, toGamma};
  TTestAlign Kind = taNone;
  TStringList Lines;
  String Version = "1.0";  // writes are ignored
  TTestControl* Link = nullptr;
  TMemoryStream Blob;
  // What the binary reader saw.
  TComponentState StateAtBlobRead;
  bool BlobRead = false;
  TComponentState StateAtLoaded;
  bool WasLoaded = false;

  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void ReadBlob(TStream& stream);
  void WriteBlob(TStream& stream);
};

// The root of the test layouts; handlers are bound by name.
class TTestForm : public TTestControl {
  TAPVANE_CLASS(TTestForm)
 public:
  explicit TTestForm(TComponent* AOwner);
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

  void ButtonClick(TObject* Sender);
  void PanelMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void WrongShape(int value);

  std::vector<String> Log;
  std::vector<String> Loads;
};

void RegisterTestComponents();
