// What the skinned-control tests share: our skin, a shown toolkit form with
// a form skin object that is not attached to it (the control objects only
// need its list and canvas), and skin images replaced by the solid frames
// of the shared pixel helpers, whose colours say which frame was drawn.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Forms.h"

// The skin's push-button picture as five solid 30 x 24 frames.
void UseSolidButtonFrames(TSkinData& skin, bool transparent);

// What the window shows on screen at a point of the whole window (its
// frame included), read back after a real paint.
unsigned WindowPixel(HWND window, int x, int y);
// The window, its frame and its children painted now, through the system.
void RepaintNow(HWND window);

class SkinControlTest : public ::testing::Test {
 protected:
  SkinControlTest();
  ~SkinControlTest() override;
  // Reading the skin takes seconds and hiding a shown window two under Wine,
  // so each suite has one skin and one form; what a test changes in the skin
  // is put back and the controls it made go after it.
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  template <typename T>
  T* Make(TWinControl* parent, int left, int top, int width, int height) {
    auto* control = new T(form.get());
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }

  // A colour of the skin's table as a DIB pixel.
  static unsigned SkinPixel(TSkinColourSlot slot);

  static std::unique_ptr<TSkinData> data;
  static std::unique_ptr<TForm> form;
  std::unique_ptr<TWinSkinForm> formObject;

 private:
  struct SavedSkin;
  std::unique_ptr<SavedSkin> saved_;
};
