// Shortcut texts as menus show them after an item's caption.
#include <gtest/gtest.h>

#include "toolkit/core/ShortCuts.h"

namespace {

TEST(ShortCuts, TextNamesModifiersThenTheKey) {
  EXPECT_EQ("Ctrl+S", ShortCutToText(ShortCut('S', {ssCtrl})));
  EXPECT_EQ("Shift+Ctrl+Alt+F12", ShortCutToText(ShortCut(0x7B, {ssAlt, ssCtrl, ssShift})));
  EXPECT_EQ("Del", ShortCutToText(ShortCut(0x2E, {})));
  EXPECT_EQ("Num 7", ShortCutToText(ShortCut(0x67, {})));
  // No key, or a key without a name, shows nothing rather than a bare "Ctrl+".
  EXPECT_EQ("", ShortCutToText(ShortCut(0, {ssCtrl})));
  EXPECT_EQ("", ShortCutToText(ShortCut(0xFF, {ssCtrl})));
}

TEST(ShortCuts, KeyAndModifiersComeBackOut) {
  uint16_t key = 0;
  TShiftState shift;
  ShortCutToKey(ShortCut('Q', {ssAlt, ssShift}), key, shift);
  EXPECT_EQ('Q', key);
  EXPECT_EQ((TShiftState{ssAlt, ssShift}), shift);
  EXPECT_EQ(scNone, ShortCut(0x1234, {ssCtrl}));  // not a virtual key
}

}  // namespace
