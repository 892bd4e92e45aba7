// Which skinned-control class takes a control, as control discovery decides
// it, and the factory that makes the object. Classes that are not built yet
// make nothing, so their controls stay unskinned.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <span>

#include "toolkit/core/SysUtils.h"

class TControl;
class TSkinControl;

enum class TSkinClass {
  AdvPage,
  BitButton,
  Box,
  BoxH,
  Button,
  CheckBox,
  ComBox,
  DateTime,
  Edit,
  GroupBox,
  Header,
  ListView,
  MediaPlayer,
  MenuButton,
  ObjImage,
  Progress,
  RadioButton,
  ScControl,
  Scrollbar,
  ScrollbarH,
  Sizer,
  SpeedButton,
  StatusBar,
  Tab,
  Tab31,
  TabBtn,
  TabSheet,
  TrackBar,
  UpDown,
};

// The name of the class ("TSkinButton"), for logs and failing tests.
const char* SkinClassName(TSkinClass cls);

struct TSkinChoice;

// One row per skin class, in the enumeration's order: its name and what
// makes an object of it for a choice (nullptr when the choice does not fit).
struct TSkinClassRow {
  TSkinClass Class;
  const char* Name;
  std::unique_ptr<TSkinControl> (*Make)(const TSkinChoice& choice);
};
std::span<const TSkinClassRow> SkinClassRows();

// How the object is attached once made.
enum class TAttachKind {
  Skin,    // InitSkin on a toolkit control
  Window,  // InitWindow on a plain window
  Scroll,  // InitScroll on a control whose scroll bars are replaced
  Speed,   // the speed button's own attach
};

struct TSkinChoice {
  TSkinClass Class = TSkinClass::Button;
  TAttachKind Attach = TAttachKind::Skin;
  TControl* Control = nullptr;  // the toolkit control, if any
  HWND Window = nullptr;        // the window attached by InitWindow
  bool ChangeColor = false;
  int Mode = 0;                 // preset before attach (TSkinTab Mode 2, single scroll bar...)
  int Variant = 0;              // TSkinObjImage's variant
  String GlyphProperty;         // "PngImage" for PNG glyph buttons
  bool Extended = false;        // combo box of the extended kind
  bool EmbeddedInEdit = false;  // an up-down button living inside an edit
  bool TabSetScroller = false;  // an up-down scrolling a tab set
};

// Makes the object for a choice, or nullptr when the choice does not fit its
// class. The object is a component of the choice's control, if any: release
// it once attached (the form's list owns it then), else let it go.
std::unique_ptr<TSkinControl> CreateSkinObject(const TSkinChoice& choice);

// What control discovery calls; CreateSkinObject unless replaced (tests
// watch the choices through it).
using TSkinObjectFactory = std::function<std::unique_ptr<TSkinControl>(const TSkinChoice&)>;
TSkinObjectFactory& SkinObjectFactory();
