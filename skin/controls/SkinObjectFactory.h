// Which skinned-control class takes a control, as control discovery decides
// it, and the factory that makes the object. Classes that are not built yet
// make nothing, so their controls stay unskinned.
#pragma once

#include <windows.h>

#include <functional>

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
};

// Makes the object for a choice (owned by the choice's control when it has
// one), or nullptr when the class is not built.
TSkinControl* CreateSkinObject(const TSkinChoice& choice);

// What control discovery calls; CreateSkinObject unless replaced (tests
// watch the choices through it).
using TSkinObjectFactory = std::function<TSkinControl*(const TSkinChoice&)>;
TSkinObjectFactory& SkinObjectFactory();
