#include "toolkit/controls/PropertyTypes.h"

const TEnumInfo& AlignInfo() {
  static const TEnumInfo info{"TAlign",
                              {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
  return info;
}

const TEnumInfo& BorderStyleInfo() {
  static const TEnumInfo info{"TBorderStyle", {"bsNone", "bsSingle"}};
  return info;
}

const TEnumInfo& AlignmentInfo() {
  static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return info;
}

const TEnumInfo& TextLayoutInfo() {
  static const TEnumInfo info{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
  return info;
}

const TEnumInfo& CheckBoxStateInfo() {
  static const TEnumInfo info{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};
  return info;
}

const TEnumInfo& ComboStyleInfo() {
  static const TEnumInfo info{"TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList"}};
  return info;
}

const TEnumInfo& TabStyleInfo() {
  static const TEnumInfo info{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};
  return info;
}

const TEnumInfo& BevelInfo() {
  static const TEnumInfo info{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
  return info;
}

const TEnumInfo& BevelKindInfo() {
  static const TEnumInfo info{"TBevelKind", {"bkNone", "bkTile", "bkSoft", "bkFlat"}};
  return info;
}

const TEnumInfo& BevelEdgeInfo() {
  static const TEnumInfo info{"TBevelEdge", {"beLeft", "beTop", "beRight", "beBottom"}};
  return info;
}

const TEnumInfo& StatusPanelBevelInfo() {
  static const TEnumInfo info{"TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"}};
  return info;
}

const TEnumInfo& StatusPanelStyleInfo() {
  static const TEnumInfo info{"TStatusPanelStyle", {"psText", "psOwnerDraw"}};
  return info;
}

const TEnumInfo& BiDiModeInfo() {
  static const TEnumInfo info{
      "TBiDiMode",
      {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};
  return info;
}
