#include "skin/controls/SkinObjectFactory.h"

#include "skin/controls/SkinAdvPage.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadio.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinMediaPlayer.h"
#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinObjImage.h"
#include "skin/controls/SkinPanels.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinTabPages.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"

namespace {

template <typename T>
std::unique_ptr<TSkinControl> Make(const TSkinChoice& choice) {
  return std::make_unique<T>(choice.Control);
}

// Classes that work on toolkit controls only, never on a plain window.
template <typename T>
std::unique_ptr<TSkinControl> MakeForControl(const TSkinChoice& choice) {
  if (!choice.Control) return nullptr;
  return std::make_unique<T>(choice.Control);
}

std::unique_ptr<TSkinControl> MakeUpDown(const TSkinChoice& choice) {
  auto arrows = std::make_unique<TSkinUpDown>(choice.Control);
  arrows->EmbeddedInEdit = choice.EmbeddedInEdit;
  arrows->TabSetScroller = choice.TabSetScroller;
  return arrows;
}

std::unique_ptr<TSkinControl> MakeComBox(const TSkinChoice& choice) {
  auto combo = std::make_unique<TSkinComBox>(choice.Control);
  combo->Extended = choice.Extended;
  return combo;
}

std::unique_ptr<TSkinControl> MakeBitButton(const TSkinChoice& choice) {
  auto button = std::make_unique<TSkinBitButton>(choice.Control);
  button->GlyphProperty = choice.GlyphProperty;
  return button;
}

// Windowless: only toolkit controls.
std::unique_ptr<TSkinControl> MakeSpeedButton(const TSkinChoice& choice) {
  if (!choice.Control) return nullptr;
  auto button = std::make_unique<TSkinSpeedButton>(choice.Control);
  button->GlyphProperty = choice.GlyphProperty;
  return button;
}

// It hands glyphs to toolkit controls only.
std::unique_ptr<TSkinControl> MakeObjImage(const TSkinChoice& choice) {
  if (!choice.Control) return nullptr;
  auto images = std::make_unique<TSkinObjImage>(choice.Control);
  images->Variant = choice.Variant;
  return images;
}

// The date-time picker's arrow is a toolkit panel, and the media player's
// button panel reads the player's properties: both want a toolkit control.
constexpr TSkinClassRow kRows[] = {
    {TSkinClass::AdvPage, "TSkinAdvPage", &Make<TSkinAdvPage>},
    {TSkinClass::BitButton, "TSkinBitButton", &MakeBitButton},
    {TSkinClass::Box, "TSkinBox", &Make<TSkinBox>},
    {TSkinClass::BoxH, "TSkinBoxH", &Make<TSkinBoxH>},
    {TSkinClass::Button, "TSkinButton", &Make<TSkinButton>},
    {TSkinClass::CheckBox, "TSkinCheckBox", &Make<TSkinCheckBox>},
    {TSkinClass::ComBox, "TSkinComBox", &MakeComBox},
    {TSkinClass::DateTime, "TSkinDateTime", &MakeForControl<TSkinDateTime>},
    {TSkinClass::Edit, "TSkinEdit", &Make<TSkinEdit>},
    {TSkinClass::GroupBox, "TSkinGroupBox", &Make<TSkinGroupBox>},
    {TSkinClass::Header, "TSkinHeader", &Make<TSkinHeader>},
    {TSkinClass::ListView, "TSkinListView", &Make<TSkinListView>},
    {TSkinClass::MediaPlayer, "TSkinMP", &MakeForControl<TSkinMP>},
    {TSkinClass::MenuButton, "TSkinMenuButton", &Make<TSkinMenuButton>},
    {TSkinClass::ObjImage, "TSkinObjImage", &MakeObjImage},
    {TSkinClass::Progress, "TSkinProgress", &Make<TSkinProgress>},
    {TSkinClass::RadioButton, "TSkinRadioButton", &Make<TSkinRadioButton>},
    {TSkinClass::ScControl, "TSkinScControl", &Make<TSkinScControl>},
    {TSkinClass::Scrollbar, "TSkinScrollbar", &Make<TSkinScrollbar>},
    {TSkinClass::ScrollbarH, "TSkinScrollbarH", &Make<TSkinScrollbarH>},
    {TSkinClass::Sizer, "TSkinSizer", &Make<TSkinSizer>},
    {TSkinClass::SpeedButton, "TSkinSpeedButton", &MakeSpeedButton},
    {TSkinClass::StatusBar, "TSkinStatusBar", &Make<TSkinStatusBar>},
    {TSkinClass::Tab, "TSkinTab", &Make<TSkinTab>},
    {TSkinClass::Tab31, "TSkinTab31", &Make<TSkinTab31>},
    {TSkinClass::TabBtn, "TSkinTabBtn", &Make<TSkinTabBtn>},
    {TSkinClass::TabSheet, "TSkinTabSheet", &Make<TSkinTabSheet>},
    {TSkinClass::TrackBar, "TSkinTrackBar", &Make<TSkinTrackBar>},
    {TSkinClass::UpDown, "TSkinUpDown", &MakeUpDown},
};

// Row i describes class i, so a class finds its row by index.
constexpr bool RowsInClassOrder() {
  for (size_t i = 0; i < std::size(kRows); ++i) {
    if (static_cast<size_t>(kRows[i].Class) != i) return false;
  }
  return std::size(kRows) == static_cast<size_t>(TSkinClass::UpDown) + 1;
}
static_assert(RowsInClassOrder(), "one row per skin class, in the enumeration's order");

const TSkinClassRow* RowOf(TSkinClass cls) {
  const auto index = static_cast<size_t>(cls);
  return index < std::size(kRows) ? &kRows[index] : nullptr;
}

}  // namespace

std::span<const TSkinClassRow> SkinClassRows() { return kRows; }

const char* SkinClassName(TSkinClass cls) {
  const TSkinClassRow* row = RowOf(cls);
  return row ? row->Name : "?";
}

std::unique_ptr<TSkinControl> CreateSkinObject(const TSkinChoice& choice) {
  const TSkinClassRow* row = RowOf(choice.Class);
  std::unique_ptr<TSkinControl> object = row ? row->Make(choice) : nullptr;
  if (object) object->Mode = choice.Mode;
  return object;
}

TSkinObjectFactory& SkinObjectFactory() {
  static TSkinObjectFactory factory = &CreateSkinObject;
  return factory;
}
