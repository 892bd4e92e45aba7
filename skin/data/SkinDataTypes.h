// Settings types of the skin data component: behaviour switches, the kinds of
// control that are skinned, the scope of skinning.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "toolkit/core/Sets.h"

enum TSkinOption : int {
  xoMDIScrollbar,
  xoMenuMerge,
  xoTransparent,
  xoPreview,
  xoParentBackGround,
  xoNoFocusRect,
  xoToolbarBK,
  xoToolbarButton,
  xoMDIChildBorder,
  xoMenuBG,
  xoCaptionButtonHint,
  xoFormScrollbar
};

enum TSkinControlType : int {
  xcMainMenu,
  xcPopupMenu,
  xcMenuItem,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcSpin,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcTrackBar,
  xcSystemMenu,
  xcFastReport
};

enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

inline constexpr std::array<std::string_view, 12> kSkinOptionNames = {
    "xoMDIScrollbar",     "xoMenuMerge",   "xoTransparent",       "xoPreview",
    "xoParentBackGround", "xoNoFocusRect", "xoToolbarBK",         "xoToolbarButton",
    "xoMDIChildBorder",   "xoMenuBG",      "xoCaptionButtonHint", "xoFormScrollbar"};

inline constexpr std::array<std::string_view, 22> kSkinControlTypeNames = {
    "xcMainMenu", "xcPopupMenu",   "xcMenuItem",   "xcToolbar",   "xcControlbar", "xcCombo",
    "xcCheckBox", "xcRadioButton", "xcProgress",   "xcScrollbar", "xcEdit",       "xcButton",
    "xcBitBtn",   "xcSpeedButton", "xcSpin",       "xcPanel",     "xcGroupBox",   "xcStatusBar",
    "xcTab",      "xcTrackBar",    "xcSystemMenu", "xcFastReport"};

inline constexpr std::array<std::string_view, 4> kSkinFormTypeNames = {
    "sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"};

using TSkinOptions = TSet<TSkinOption>;
using TSkinControlTypes = TSet<TSkinControlType>;

// Storage widths of the two sets: bits beyond them are dropped on assignment.
inline constexpr std::uint64_t kSkinOptionsMask = 0xFFFF;
inline constexpr std::uint64_t kSkinControlTypesMask = 0xFFFFFF;

// Every kind of control except menu items and report designer controls.
inline constexpr TSkinControlTypes kDefaultSkinControls =
    TSkinControlTypes::FromBits((std::uint64_t{1} << 22) - 1) -
    TSkinControlTypes{xcMenuItem, xcFastReport};

inline constexpr TSkinOptions kDefaultSkinOptions{xoPreview, xoToolbarBK, xoCaptionButtonHint};
