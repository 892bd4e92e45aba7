#include "skin/form/ControlDiscovery.h"

#include <memory>
#include <string_view>
#include <vector>

#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SwallowedException.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HeaderControl.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/controls/ScrollBar.h"
#include "toolkit/controls/ScrollBox.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/controls/TabControl.h"
#include "toolkit/core/TypInfo.h"

namespace {

// The kind text after "=" is read up to this many characters.
constexpr size_t kKindLength = 50;
constexpr size_t kClassNameLength = 100;
// TCS_OWNERDRAWFIXED: such tab controls draw their own tabs.
constexpr DWORD kOwnerDrawnTabs = 0x2000;

bool Contains(const String& text, const char* part) { return text.find(part) != String::npos; }

TWinControl* Windowed(TControl* control) { return dynamic_cast<TWinControl*>(control); }

// A kind of the class-to-kind lines that attaches one class, when the
// skin carries the control set the kind needs.
enum TKindOption : unsigned {
  kChangeColor = 1,
  kExtended = 2,     // a combo box of the extended kind
  kPngGlyph = 4,     // glyphs from the "PngImage" property
  kTransparent = 8,  // the control's Transparent property is set first
  kSpeedAttach = 16,
  kScrollAttach = 32,
};

struct TKindRow {
  std::string_view Kind;
  TSkinControlType Needs;
  TSkinClass Class;
  unsigned Options = 0;
  int Mode = 0;
};

// Track bars are gated by the button flag, as the kinds table has it.
constexpr TKindRow kKindRows[] = {
    {"combobox", xcCombo, TSkinClass::ComBox},
    {"comboboxex", xcCombo, TSkinClass::ComBox, kExtended},
    {"radiobutton", xcRadioButton, TSkinClass::RadioButton},
    {"panel", xcPanel, TSkinClass::Box, kChangeColor | kTransparent},
    {"trackbar", xcButton, TSkinClass::TrackBar, kTransparent},
    {"button", xcButton, TSkinClass::Button},
    {"datetimepicker", xcCombo, TSkinClass::DateTime},
    {"mediaplayer", xcButton, TSkinClass::MediaPlayer},
    {"pngbitbtn", xcButton, TSkinClass::BitButton, kPngGlyph},
    {"pngspeedbutton", xcButton, TSkinClass::SpeedButton, kPngGlyph | kSpeedAttach},
    {"menubtn", xcButton, TSkinClass::MenuButton},
    {"speedbutton", xcSpeedButton, TSkinClass::SpeedButton, kSpeedAttach},
    {"progress", xcProgress, TSkinClass::Progress},
    {"singlescrollbar", xcScrollbar, TSkinClass::Scrollbar, kScrollAttach, 1},
    {"groupbox", xcGroupBox, TSkinClass::GroupBox, kChangeColor},
    {"advpagecontrol", xcTab, TSkinClass::AdvPage, kChangeColor, 4},
    {"checkbox", xcCheckBox, TSkinClass::CheckBox},
};

TSkinChoice KindChoice(const TKindRow& row, TControl* control) {
  TSkinChoice choice;
  choice.Class = row.Class;
  if (row.Options & kSpeedAttach) choice.Attach = TAttachKind::Speed;
  if (row.Options & kScrollAttach) choice.Attach = TAttachKind::Scroll;
  choice.Control = control;
  choice.ChangeColor = (row.Options & kChangeColor) != 0;
  choice.Mode = row.Mode;
  choice.Extended = (row.Options & kExtended) != 0;
  if (row.Options & kPngGlyph) choice.GlyphProperty = "PngImage";
  return choice;
}

const TKindRow* FindKindRow(const String& kind) {
  for (const TKindRow& row : kKindRows) {
    if (row.Kind == kind) return &row;
  }
  return nullptr;
}

std::vector<TControl*> ChildControls(TWinControl* container) {
  std::vector<TControl*> children;
  for (int i = 0; i < container->ControlCount(); ++i) children.push_back(container->Controls(i));
  return children;
}

}  // namespace

bool HasOwnScrollBars(TControl* control) {
  TWinControl* windowed = Windowed(control);
  if (!windowed) return false;
  if (dynamic_cast<TListBox*>(control)) return true;
  if (!windowed->HandleAllocated()) return false;
  const auto style = GetWindowLongPtrW(windowed->Handle(), GWL_STYLE);
  return (style & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

bool TControlDiscovery::Has(TSkinControlType type) const {
  return data_.SkinControls().Contains(type);
}

bool TControlDiscovery::HasTabs() const { return data_.Skin().Tabs != nullptr; }

void TControlDiscovery::SkinAllControls(TCustomForm* form) {
  form_.SweepGoneSkinObjects();
  SkinOwnedComponents(form);
  std::vector<TWinControl*> tabOrder;
  form->GetTabOrderList(tabOrder);
  for (TWinControl* control : tabOrder) {
    if (!control->HandleAllocated() || control->Tag() == data_.DisableTag()) continue;
    if (SendMessageW(control->Handle(), SKIN_QUERY, 0, 0) == 1) continue;
    ClassifyControl(control, form);
  }
}

void TControlDiscovery::SkinOwnedComponents(TComponent* component) {
  // Classifying may add components (skin objects owned by the controls are
  // not among the component's own), so walk a copy.
  std::vector<TControl*> controls;
  for (int i = 0; i < component->ComponentCount(); ++i) {
    if (auto* control = dynamic_cast<TControl*>(component->Components(i))) {
      controls.push_back(control);
    }
  }
  for (TControl* control : controls) ClassifyControl(control, component);
  // Owner-drawn popup menus come with the menu skinning.
}

void TControlDiscovery::SkinChildren(TWinControl* container) {
  for (TControl* child : ChildControls(container)) ClassifyControl(child, container);
}

bool TControlDiscovery::AlreadySkinned(TControl* control) const {
  for (int i = 0; i < control->ComponentCount(); ++i) {
    auto* object = dynamic_cast<TSkinControl*>(control->Components(i));
    if (object && object->Attached) return true;
  }
  TWinControl* windowed = Windowed(control);
  if (!windowed || !windowed->HandleAllocated()) return false;
  if (form_.FindSkinObject(windowed->Handle())) return true;
  return SendMessageW(windowed->Handle(), SKIN_QUERY, 0, 0) == 1;
}

void TControlDiscovery::ClassifyControl(TControl* control, TComponent* owner) {
  TWinControl* windowed = Windowed(control);
  if (control->Tag() == data_.DisableTag()) {
    // A disabled radio or check group keeps its buttons out of the skin too.
    const String lower = LowerCase(control->ClassName());
    if (windowed && windowed->ControlCount() > 0 &&
        (Contains(lower, "radiogroup") || Contains(lower, "checkgroup"))) {
      for (TControl* child : ChildControls(windowed)) child->SetTag(data_.DisableTag());
    }
    return;
  }
  if (!control->Parent() || AlreadySkinned(control)) return;
  const String name = UpperCase(control->ClassName());
  if (windowed && !windowed->HandleAllocated()) {
    try {
      windowed->HandleNeeded();
    } catch (...) {
      // A control that cannot have a window stays unskinned.
      ReportSwallowedException("TControlDiscovery::ClassifyControl");
      return;
    }
    if (!windowed->HandleAllocated()) return;
  }
  if (data_.OnSkinControl) {
    TComponent* made = nullptr;
    data_.OnSkinControl(&form_, &data_, dynamic_cast<TControl*>(owner), control, name, made);
    if (auto* object = dynamic_cast<TSkinControl*>(made)) {
      if (!form_.AddSkinObject(object)) {
        object->InitSkin(&form_, &data_, object->ChangeColor, &form_.ControlCanvas());
        if (windowed && dynamic_cast<TPanel*>(control)) SkinChildren(windowed);
      }
    }
    if (made) return;
  }
  if (ApplySkin3rd(name, control)) return;
  if (ForeignClassRow(name).Rule == TForeignClassRule::Left) return;
  ClassifyByTable(name, control);
}

// The rows in their order; the first that matches decides, whether or not
// an object is attached. Classes of other libraries known by name take
// their place among the rows by their rule.
bool TControlDiscovery::ClassifyByTable(const String& name, TControl* control) {
  const TForeignClassRow foreign = ForeignClassRow(name);
  return ClassifyTabsAndArrows(name, foreign, control) ||
         ClassifyBoxesAndLists(name, foreign, control) || ClassifyButtonsAndEdits(foreign, control);
}

bool TControlDiscovery::ClassifyTabsAndArrows(const String& name, const TForeignClassRow& foreign,
                                              TControl* control) {
  TWinControl* windowed = Windowed(control);
  const bool tabs = Has(xcTab) && HasTabs();
  if (auto* pages = dynamic_cast<TPageControl*>(control); pages && tabs) {
    return Take(control, pages->Style() == tsTabs ? TSkinClass::Tab : TSkinClass::TabBtn);
  }
  // Any other tab control: the strip and frame of a page control, and the
  // control's windowless children painted by the tab object itself.
  if (dynamic_cast<TTabControl*>(control) && tabs) {
    TSkinChoice choice;
    choice.Class = TSkinClass::Tab;
    choice.Control = control;
    choice.Mode = 2;
    Attach(choice);
    return true;
  }
  if (name == "TTABSET" && tabs) return Take(control, TSkinClass::Tab31);
  if (dynamic_cast<TTabSheet*>(control) && tabs) return Take(control, TSkinClass::TabSheet);
  if (foreign.Rule == TForeignClassRule::TabbedNotebook && tabs) {
    return Take(control, TSkinClass::Tab);
  }
  if (foreign.Rule == TForeignClassRule::ChildrenOnly && windowed) {
    SkinChildren(windowed);
    return true;
  }
  if ((name == "TUPDOWN" || foreign.Rule == TForeignClassRule::SpinButton) && Has(xcSpin)) {
    return Take(control, TSkinClass::UpDown);
  }
  return ClassifyBarsAndImages(name, foreign, control);
}

bool TControlDiscovery::ClassifyBarsAndImages(const String& name, const TForeignClassRow& foreign,
                                              TControl* control) {
  // The toolkit's own progress bars and track bars, which no default
  // Skin3rd line names.
  if (name == "TPROGRESSBAR" && Has(xcProgress)) return Take(control, TSkinClass::Progress);
  if (name == "TTRACKBAR" && Has(xcTrackBar)) return Take(control, TSkinClass::TrackBar);
  if (name == "TMEDIAPLAYER" && Has(xcButton)) return Take(control, TSkinClass::MediaPlayer);
  if (foreign.Rule == TForeignClassRule::Navigator && Has(xcPanel)) {
    AttachTo(control, TSkinClass::Box, true);
    if (TWinControl* windowed = Windowed(control)) {
      for (TControl* child : ChildControls(windowed)) ClassifyControl(child, control);
    }
    return true;
  }
  const bool image = (foreign.Rule == TForeignClassRule::ImageCheckBox && Has(xcCheckBox)) ||
                     (foreign.Rule == TForeignClassRule::ImageRadioButton && Has(xcRadioButton));
  if (!image) return false;
  TSkinChoice choice;
  choice.Class = TSkinClass::ObjImage;
  choice.Control = control;
  choice.ChangeColor = true;
  choice.Variant = foreign.Variant;
  Attach(choice);
  return true;
}

bool TControlDiscovery::ClassifyBoxesAndLists(const String& name, const TForeignClassRow& foreign,
                                              TControl* control) {
  if (auto* group = dynamic_cast<TGroupBox*>(control); group && Has(xcPanel)) {
    // The children first, so that their objects sit in front of the box's.
    SkinChildren(group);
    return Take(control, TSkinClass::GroupBox);
  }
  if (dynamic_cast<TRadioButton*>(control) && Has(xcRadioButton)) {
    return Take(control, TSkinClass::RadioButton);
  }
  if (dynamic_cast<TStatusBar*>(control) && Has(xcStatusBar)) {
    return Take(control, TSkinClass::StatusBar);
  }
  if ((name == "TCOMBOBOX" || foreign.Rule == TForeignClassRule::ComboBox) && Has(xcCombo)) {
    // The toolkit's own combo box too, before its list style's scroll bar
    // would make it a scrolling control.
    return Take(control, TSkinClass::ComBox);
  }
  if (foreign.Rule == TForeignClassRule::ScrollingEditor && Has(xcScrollbar)) {
    return TakeScroll(control);
  }
  if (auto* panel = dynamic_cast<TPanel*>(control); panel && Has(xcPanel)) {
    SkinChildren(panel);
    return Take(control, TSkinClass::Box, true);
  }
  if (foreign.Rule == TForeignClassRule::ScrollingGrid && Has(xcScrollbar)) {
    return TakeScroll(control);
  }
  return ClassifyScrollingControl(control);
}

bool TControlDiscovery::ClassifyScrollingControl(TControl* control) {
  // The toolkit's list view, whether its bars show yet or not: its header is
  // skinned with it. A header standing alone needs no flag, since none of
  // the set names headers.
  if (dynamic_cast<TListView*>(control) && Has(xcScrollbar)) {
    return TakeScroll(control, 0, TSkinClass::ListView);
  }
  if (dynamic_cast<THeaderControl*>(control)) return Take(control, TSkinClass::Header);
  // The toolkit's scroll box, as a scrolling container of the scroll bar
  // kind: covers whether or not its bars show yet (they come and go with
  // its children), and its children by their own classes.
  if (auto* box = dynamic_cast<TScrollBox*>(control); box && Has(xcScrollbar)) {
    AttachScroll(control);
    SkinChildren(box);
    return true;
  }
  if (HasOwnScrollBars(control) && Has(xcScrollbar)) return TakeScroll(control);
  return false;
}

bool TControlDiscovery::ClassifyButtonsAndEdits(const TForeignClassRow& foreign,
                                                TControl* control) {
  if (ClassifyToolkitButtonOrBar(control)) return true;
  if (dynamic_cast<TButton*>(control) && Has(xcButton)) {
    return Take(control, TSkinClass::Button);
  }
  if (dynamic_cast<TEdit*>(control) && Has(xcEdit)) return Take(control, TSkinClass::Edit);
  if (foreign.Rule == TForeignClassRule::ButtonEdit) {
    const int64_t buttons = GetOrdProp(control, "NumButtons");
    TWinControl* windowed = Windowed(control);
    if (buttons == 1 && Has(xcCombo)) {
      AttachTo(control, TSkinClass::ComBox);
    } else if (buttons == 0 && Has(xcEdit) && windowed) {
      AttachWindow(windowed->Handle(), TSkinClass::Edit);
    }
    return true;
  }
  if (auto* inner = dynamic_cast<TCustomForm*>(control)) {
    AttachTo(control, TSkinClass::Box, true);
    SkinOwnedComponents(inner);
    return true;
  }
  return false;
}

// The toolkit's glyph and speed buttons and its scroll bar control. True
// when the control is one of them, skinned or not: a glyph button left out
// of the skin's set must not come back as the push button it derives from.
bool TControlDiscovery::ClassifyToolkitButtonOrBar(TControl* control) {
  if (dynamic_cast<TBitBtn*>(control)) {
    if (Has(xcBitBtn)) AttachTo(control, TSkinClass::BitButton);
    return true;
  }
  if (dynamic_cast<TSpeedButton*>(control)) {
    if (!Has(xcSpeedButton)) return true;
    TSkinChoice choice;
    choice.Class = TSkinClass::SpeedButton;
    choice.Attach = TAttachKind::Speed;
    choice.Control = control;
    Attach(choice);
    return true;
  }
  if (dynamic_cast<TScrollBar*>(control)) {
    if (Has(xcScrollbar)) AttachTo(control, TSkinClass::ScControl);
    return true;
  }
  return false;
}

bool TControlDiscovery::ApplySkin3rd(const String& name, TControl* control) {
  const TStringList* lines = data_.Skin3rd();
  if (!lines) return false;
  const String key = LowerCase(name) + "=";
  String kind;
  bool found = false;
  for (int i = 0; i < lines->Count(); ++i) {
    const String line = LowerCase(lines->Strings(i));
    if (line.compare(0, key.size(), key) != 0) continue;
    kind = line.substr(line.find('=') + 1, kKindLength);
    found = true;
    break;
  }
  if (!found) return false;
  ApplyKind(kind, name, control);
  return true;
}

void TControlDiscovery::ApplyKind(const String& kind, const String& name, TControl* control) {
  if (kind == "nil") return;
  if (const TKindRow* row = FindKindRow(kind)) {
    if (!Has(row->Needs)) return;
    if (row->Options & kTransparent) SetPropFromText(control, "Transparent", "True");
    Attach(KindChoice(*row, control));
  } else if (!ApplyScrollOrContainerKind(kind, control)) {
    ApplyGroupKind(kind, name, control);
  }
}

bool TControlDiscovery::ApplyScrollOrContainerKind(const String& kind, TControl* control) {
  TWinControl* windowed = Windowed(control);
  if (kind == "edit") {
    if (!Has(xcEdit) || !windowed) return true;
    RECT window{}, client{};
    GetWindowRect(windowed->Handle(), &window);
    GetClientRect(windowed->Handle(), &client);
    const bool bordered = (window.right - window.left) != client.right ||
                          (window.bottom - window.top) != client.bottom;
    if (bordered) AttachTo(control, TSkinClass::Edit);
  } else if (kind == "tab") {
    if (Has(xcTab) && HasTabs()) AttachTo(control, TSkinClass::Tab);
  } else if (kind == "scrollbar") {
    if (!Has(xcScrollbar)) return true;
    AttachScroll(control);
    if (windowed) SkinChildren(windowed);
  } else if (kind == "embedscrollbar") {
    if (!Has(xcScrollbar) || !windowed) return true;
    for (TControl* child : ChildControls(windowed)) {
      if (HasOwnScrollBars(child)) AttachScroll(child);
    }
  } else if (kind == "container") {
    if (windowed) SkinChildren(windowed);
  } else {
    return false;
  }
  return true;
}

void TControlDiscovery::ApplyGroupKind(const String& kind, const String& name, TControl* control) {
  TWinControl* windowed = Windowed(control);
  const bool foreign = Contains(name, "TRZ");
  const auto eachChild = [&](TSkinClass own, int variant) {
    if (!windowed) return;
    for (TControl* child : ChildControls(windowed)) {
      if (foreign) {
        TSkinChoice choice;
        choice.Class = TSkinClass::ObjImage;
        choice.Control = child;
        choice.ChangeColor = true;
        choice.Variant = variant;
        Attach(choice);
      } else {
        AttachTo(child, own);
      }
    }
  };
  if (kind == "bitbtn") {
    if (!Has(xcButton)) return;
    const bool dropDown = LowerCase(name) == "tcxbutton" &&
                          LowerCase(GetEnumProp(control, "Kind")) == "cxbkdropdownbutton";
    AttachTo(control, dropDown ? TSkinClass::MenuButton : TSkinClass::BitButton);
  } else if (kind == "radiogroup") {
    if (!Has(xcGroupBox)) return;
    if (Has(xcRadioButton)) eachChild(TSkinClass::RadioButton, 2);
    AttachTo(control, TSkinClass::GroupBox, true);
  } else if (kind == "checkgroup") {
    if (!Has(xcPanel)) return;
    // Check groups are gated by the radio button flag, as the kinds table has it.
    if (Has(xcRadioButton)) eachChild(TSkinClass::CheckBox, 1);
    if (Has(xcGroupBox)) AttachTo(control, TSkinClass::GroupBox, true);
  }
}

void TControlDiscovery::SkinChildWindow(HWND window) {
  if (!window || form_.FindSkinObject(window)) return;
  wchar_t buffer[kClassNameLength + 1] = {};
  const int length = GetClassNameW(window, buffer, static_cast<int>(kClassNameLength));
  const String cls = LowerCase(WideToUtf8(WideString(buffer, buffer + (length > 0 ? length : 0))));
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto colourOnly = [&] {
    if (TWinControl* control = TWinControl::FindControl(window)) {
      control->SetColor(data_.Skin().Colour(scButtonFace));
    }
  };
  if (cls == "button") {
    if ((style & 0xB) == 0xB) return;                // owner-drawn buttons paint themselves
    if ((style & 7) == 7 || (style & 0x80)) return;  // group boxes, bitmap buttons
    if ((style & 3) == 3 || (style & 2) || (style & 5) == 5) {
      if (Has(xcCheckBox)) AttachWindow(window, TSkinClass::CheckBox);
    } else if ((style & 9) == 9 || (style & 4)) {
      if (Has(xcRadioButton)) AttachWindow(window, TSkinClass::RadioButton);
    } else if (Has(xcButton)) {
      AttachWindow(window, TSkinClass::Button);
    }
  } else if (cls == "combobox") {
    if (Has(xcCombo) && (style & 3) != CBS_SIMPLE) AttachWindow(window, TSkinClass::ComBox);
  } else if (cls == "comboboxex32") {
    if (!Has(xcCombo)) return;
    if (const HWND inner = GetTopWindow(window)) AttachWindow(inner, TSkinClass::ComBox);
  } else if (cls == "scrollbar") {
    if (!(style & WS_TABSTOP)) AttachWindow(window, TSkinClass::Sizer);
  } else if (cls == "#32770") {
    if (style & WS_TABSTOP) return;
    SkinChildWindows(window);
    AttachWindow(window, TSkinClass::BoxH);
  } else if (cls == "tpanel" || cls == "ttntpanel.unicodeclass" ||
             cls == "ttntsilentpaintpanel.unicodeclass") {
    SkinChildWindows(window);
    colourOnly();
  } else if (cls == "tcheckbox") {
    if (Has(xcCheckBox)) AttachWindow(window, TSkinClass::CheckBox);
  } else if (cls == "tcombobox") {
    if (Has(xcCombo)) AttachWindow(window, TSkinClass::ComBox);
  } else if (cls == "tbutton") {
    if (Has(xcButton)) AttachWindow(window, TSkinClass::Button);
  } else if (cls == "tprogressbar") {
    AttachWindow(window, TSkinClass::Progress);
  } else if (cls == "tsilentpaintpanel") {
    colourOnly();
  } else if (cls == "systabcontrol32") {
    if (!(style & kOwnerDrawnTabs) && Has(xcTab)) AttachWindow(window, TSkinClass::Tab);
  } else if (cls == "toolbarwindow32") {
    AttachWindow(window, TSkinClass::BoxH);
  } else if (cls == "edit") {
    if (Has(xcEdit)) AttachWindow(window, TSkinClass::Edit);
  }
}

void TControlDiscovery::SkinChildWindows(HWND window) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) SkinChildWindow(child);
  }
}

bool TControlDiscovery::AttachTo(TControl* control, TSkinClass cls, bool changeColor) {
  TSkinChoice choice;
  choice.Class = cls;
  choice.Control = control;
  choice.ChangeColor = changeColor;
  return Attach(choice);
}

bool TControlDiscovery::Take(TControl* control, TSkinClass cls, bool changeColor) {
  AttachTo(control, cls, changeColor);
  return true;
}

bool TControlDiscovery::TakeScroll(TControl* control, int mode, TSkinClass cls) {
  AttachScroll(control, mode, cls);
  return true;
}

bool TControlDiscovery::AttachScroll(TControl* control, int mode, TSkinClass cls) {
  TSkinChoice choice;
  choice.Class = cls;
  choice.Attach = TAttachKind::Scroll;
  choice.Control = control;
  choice.Mode = mode;
  return Attach(choice);
}

void TControlDiscovery::ReskinScroll(HWND window) {
  auto* object = dynamic_cast<TSkinScrollbar*>(form_.FindSkinObject(window));
  if (!object) return;
  TControl* control = object->Control;
  const int mode = object->Mode;
  // A list view's new window has a new header, which wants its object too.
  const TSkinClass cls =
      dynamic_cast<TSkinListView*>(object) ? TSkinClass::ListView : TSkinClass::Scrollbar;
  delete object;  // leaves the form's list and its control's components
  if (control && !control->ComponentState().Contains(csDestroying)) {
    AttachScroll(control, mode, cls);
  }
}

bool TControlDiscovery::AttachWindow(HWND window, TSkinClass cls) {
  TSkinChoice choice;
  choice.Class = cls;
  choice.Attach = TAttachKind::Window;
  choice.Window = window;
  return Attach(choice);
}

bool TControlDiscovery::Attach(const TSkinChoice& choice) {
  const TSkinObjectFactory& factory = SkinObjectFactory();
  std::unique_ptr<TSkinControl> object(factory ? factory(choice) : nullptr);
  if (!object) return false;
  TCanvas* canvas = &form_.ControlCanvas();
  switch (choice.Attach) {
    case TAttachKind::Skin:
      object->InitSkin(&form_, &data_, choice.ChangeColor, canvas);
      break;
    case TAttachKind::Window:
      object->InitWindow(choice.Window, &data_, &form_, canvas);
      break;
    case TAttachKind::Scroll:
      if (auto* scroll = dynamic_cast<TSkinScrollbar*>(object.get())) {
        scroll->InitScroll(choice.Control, &data_, &form_, canvas);
      }
      break;
    case TAttachKind::Speed:
      if (auto* speed = dynamic_cast<TSkinSpeedButton*>(object.get())) {
        speed->InitSpeed(&form_, &data_, canvas);
      }
      break;
  }
  if (!object->Attached) return false;  // freed here, never listed
  (void)object.release();               // the form's list owns it now
  return true;
}
