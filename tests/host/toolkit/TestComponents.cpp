#include "tests/host/toolkit/TestComponents.h"

#include <algorithm>

const TEnumInfo& TestAlignInfo() {
  static const TEnumInfo info{"TTestAlign", {"taNone", "taTop", "taBottom", "taClient"}};
  return info;
}

const TEnumInfo& TestOptionInfo() {
  static const TEnumInfo info{"TTestOption", {"toAlpha", "toBeta", "toGamma", "toDelta"}};
  return info;
}

const TIntegerIdents& TestColorIdents() {
  static const TIntegerIdents idents{
      {{"clRed", 0xFF}, {"clBtnFace", static_cast<int32_t>(0xFF00000F)}}};
  return idents;
}

const TClassInfo& TTestFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestFont>("TTestFont", &TPersistent::StaticClass())
          .Str("Name", &TTestFont::Name, &TTestFont::Name)
          .Integer("Height", &TTestFont::Height, &TTestFont::Height)
          .Integer("Color", &TTestFont::Color, &TTestFont::Color)
          .Idents(TestColorIdents())
          .Set("Style", TestOptionInfo(), &TTestFont::Style, &TTestFont::Style)
          .Event("OnChange", &TTestFont::OnChange)
          .Build();
  return info;
}

void TTestFont::DefineProperties(TFiler& Filer) {
  TPersistent::DefineProperties(Filer);
  Filer.DefineProperty(
      "Pitch",
      [this](TReader& reader) {
        const int64_t value = reader.ReadInteger();
        if (value < INT32_MIN || value > INT32_MAX) throw EReadError("Pitch out of range");
        Pitch = static_cast<int>(value);
      },
      [this](TWriter& writer) { writer.WriteInteger(Pitch); }, Pitch != 0);
}

const TClassInfo& TTestControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestControl>("TTestControl", &TComponent::StaticClass())
          .Integer("Left", &TTestControl::Left, &TTestControl::Left)
          .Integer("Top", &TTestControl::Top, &TTestControl::Top)
          .Default(0)
          .Integer("Color", &TTestControl::Color, &TTestControl::Color)
          .Idents(TestColorIdents())
          .Str("Caption", &TTestControl::Caption, &TTestControl::Caption)
          .Wide("WideCaption", &TTestControl::WideCaption, &TTestControl::WideCaption)
          .Bool("Visible", &TTestControl::Visible, &TTestControl::Visible)
          .Enum("Align", TestAlignInfo(), &TTestControl::Align, &TTestControl::Align)
          .Object("Font", [](TTestControl& c) { return &c.Font; })
          .Event("OnClick", &TTestControl::OnClick)
          .Event("OnMouseMove", &TTestControl::OnMouseMove)
          .Build();
  return info;
}

TTestControl::TTestControl(TComponent* AOwner) : TComponent(AOwner) {}

TTestControl::~TTestControl() {
  for (TTestControl* child : controls_) child->parent_ = nullptr;
  SetParent(nullptr);
}

void TTestControl::SetParent(TTestControl* parent) {
  if (parent == parent_) return;
  if (parent_) std::erase(parent_->controls_, this);
  parent_ = parent;
  if (parent_) parent_->controls_.push_back(this);
}

void TTestControl::SetParentComponent(TComponent* parent) {
  // Only a control can hold controls; anything else leaves it parentless.
  SetParent(dynamic_cast<TTestControl*>(parent));
}

void TTestControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  for (TTestControl* child : controls_)
    if (child->Owner() == Root) Proc(child);
}

void TTestControl::Loaded() {
  StateAtLoaded = ComponentState();
  TComponent::Loaded();
  if (auto* root = dynamic_cast<TTestForm*>(Owner() ? Owner() : this))
    root->Loads.push_back(Name());
}

const TClassInfo& TTestData::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestData>("TTestData", &TComponent::StaticClass())
          .Bool("Active", &TTestData::Active, &TTestData::Active)
          .Integer("DisableTag", &TTestData::DisableTag, &TTestData::DisableTag)
          .Set("Options", TestOptionInfo(), &TTestData::Options, &TTestData::Options)
          .Enum("Kind", TestAlignInfo(), &TTestData::Kind, &TTestData::Kind)
          .Object(
              "Lines", [](TTestData& d) { return &d.Lines; },
              [](TTestData& d, TStringList* lines) { d.Lines.Assign(lines); })
          .Str("Version", &TTestData::Version, [](TTestData&, const String&) {})
          .Object("Link", &TTestData::Link,
                  [](TTestData& d, TTestControl* link) {
                    d.Link = link;
                    if (link) link->FreeNotification(&d);
                  })
          .Build();
  return info;
}

TTestData::TTestData(TComponent* AOwner) : TComponent(AOwner) {}

void TTestData::DefineProperties(TFiler& Filer) {
  TComponent::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Blob", [this](TStream& s) { ReadBlob(s); }, [this](TStream& s) { WriteBlob(s); }, true);
}

void TTestData::ReadBlob(TStream& stream) {
  StateAtBlobRead = ComponentState();
  BlobRead = true;
  int32_t n = 0;
  stream.ReadBuffer(&n, 4);
  if (n <= 0) return;
  // The length comes from the layout: never believe more than is there.
  if (n > stream.Remaining()) throw EReadError("Blob longer than its data");
  Blob.SetSize(n);
  stream.ReadBuffer(Blob.Memory(), n);
}

void TTestData::WriteBlob(TStream& stream) {
  const auto n = static_cast<int32_t>(Blob.Size());
  stream.WriteBuffer(&n, 4);
  if (n > 0) stream.WriteBuffer(Blob.Memory(), n);
}

void TTestData::Loaded() {
  StateAtLoaded = ComponentState();
  WasLoaded = true;
  TComponent::Loaded();
  if (auto* root = dynamic_cast<TTestForm*>(Owner())) root->Loads.push_back(Name());
}

void TTestData::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == Link) Link = nullptr;
}

const TClassInfo& TTestForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTestForm>("TTestForm", &TTestControl::StaticClass())
                                     .Method("ButtonClick", &TTestForm::ButtonClick)
                                     .Method("PanelMouseMove", &TTestForm::PanelMouseMove)
                                     .Method("WrongShape", &TTestForm::WrongShape)
                                     .Build();
  return info;
}

TTestForm::TTestForm(TComponent* AOwner) : TTestControl(AOwner) {}

void TTestForm::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TComponent::GetChildren(Proc, Root);  // owned components without a parent
  TTestControl::GetChildren(Proc, Root);
}

void TTestForm::ButtonClick(TObject* Sender) {
  const auto* c = dynamic_cast<TComponent*>(Sender);
  Log.push_back("click " + (c ? c->Name() : String("?")));
}

void TTestForm::PanelMouseMove(TObject* Sender, TShiftState Shift, int X, int Y) {
  const auto* c = dynamic_cast<TComponent*>(Sender);
  Log.push_back(Format("move %s %d,%d shift=%d", c ? c->Name().c_str() : "?", X, Y,
                       static_cast<int>(Shift.Bits())));
}

void TTestForm::WrongShape(int value) { Log.push_back(Format("wrong %d", value)); }

void RegisterTestComponents() {
  RegisterClasses(
      {&TTestControl::StaticClass(), &TTestData::StaticClass(), &TTestForm::StaticClass()});
}
