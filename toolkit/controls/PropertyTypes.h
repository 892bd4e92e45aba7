// Enumeration and identifier tables of the controls' published properties.
#pragma once

#include "toolkit/core/ClassInfo.h"

const TEnumInfo& AlignInfo();
const TEnumInfo& BorderStyleInfo();  // bsNone, bsSingle (edits, list boxes)
const TEnumInfo& AlignmentInfo();
const TEnumInfo& TextLayoutInfo();
const TEnumInfo& CheckBoxStateInfo();
const TEnumInfo& ComboStyleInfo();
const TEnumInfo& TabStyleInfo();
const TEnumInfo& BevelInfo();
const TEnumInfo& BevelKindInfo();
const TEnumInfo& BevelEdgeInfo();
const TEnumInfo& StatusPanelBevelInfo();
const TEnumInfo& StatusPanelStyleInfo();
const TEnumInfo& BiDiModeInfo();
