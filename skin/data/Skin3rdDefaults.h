// The class-to-kind rows a new skin data component starts with: control
// classes of other control libraries mapped to the skin kind that draws them.
// Beside them, the other libraries' classes that control discovery knows by
// name without a row of that list.
#pragma once

#include <span>
#include <string_view>

inline constexpr int kSkin3rdDefaultCount = 118;

// Each row is "ClassName=kind", in the order they are added to the list.
std::span<const std::string_view> Skin3rdDefaultRows();

// How discovery takes a class of another library that it knows by name;
// each rule is tried at its own place among discovery's rules for the
// toolkit's classes, so that the first rule that fits still decides.
enum class TForeignClassRule {
  None,              // not a class discovery knows by name
  Left,              // stays unskinned, whatever else it is
  TabbedNotebook,    // drawn as tabs when the skin has them
  ChildrenOnly,      // only its children are skinned
  SpinButton,        // drawn as up-down arrows
  Navigator,         // a panel whose buttons are skinned one by one
  ImageCheckBox,     // the image object, with the row's variant
  ImageRadioButton,  // the image object, with the row's variant
  ComboBox,
  ScrollingEditor,  // its scroll bars replaced, before panels are looked at
  ScrollingGrid,    // its scroll bars replaced, after panels are looked at
  ButtonEdit,       // a combo box or an edit by its number of buttons
};

struct TForeignClassRow {
  std::string_view Name;  // upper case
  TForeignClassRule Rule = TForeignClassRule::None;
  int Variant = 0;
};

// The row of a class name in upper case; Rule None when there is none.
TForeignClassRow ForeignClassRow(std::string_view upperName);
