// The face-colour objects: a panel's colour switched and given back
// without any hook, a dialog painted on face colour with its static text,
// and size grips covered while plain scroll bars keep their look.
#include <vector>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinPanels.h"
#include "skin/core/SkinMessages.h"
#include "toolkit/controls/Containers.h"

namespace {

TEST_F(SkinControlTest, BoxSwitchesThePanelsColourWithoutHookingIt) {
  auto* panel = Make<TPanel>(form.get(), 10, 10, 120, 60);
  panel->SetColor(clRed);
  auto* box = new TSkinBox(panel);
  box->InitSkin(formObject.get(), data.get(), true, &formObject->ControlCanvas());
  EXPECT_EQ(data->Skin().Colour(scButtonFace), panel->Color());
  EXPECT_FALSE(panel->ParentBackground());
  EXPECT_EQ(1, formObject->SkinObjects().Count());
  EXPECT_EQ(0, SendMessageW(panel->Handle(), SKIN_QUERY, 0, 0))
      << "the panel's messages are its own";
  box->Unskin();
  EXPECT_EQ(scsReleased, box->State);
  EXPECT_EQ(clRed, panel->Color());
  EXPECT_TRUE(panel->ParentBackground());
  panel->SetColor(clBlue);
  box->Unskin();
  EXPECT_EQ(clBlue, panel->Color()) << "released once only";
}

TEST_F(SkinControlTest, BoxOfAPanelFreedFirstLeavesTheFormsList) {
  auto* panel = Make<TPanel>(form.get(), 10, 10, 120, 60);
  (new TSkinBox(panel))->InitSkin(formObject.get(), data.get(), true, &formObject->ControlCanvas());
  ASSERT_EQ(1, formObject->SkinObjects().Count());
  delete panel;
  EXPECT_EQ(0, formObject->SkinObjects().Count());
  formObject.reset();  // nothing left to free twice
}

TEST_F(SkinControlTest, BoxHPaintsTheDialogAndItsStaticTextOnFace) {
  const HWND dialog = CreateWindowExW(0, WC_DIALOG, L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 100,
                                      form->Handle(), nullptr, nullptr, nullptr);
  ASSERT_TRUE(dialog);
  const HWND text = CreateWindowExW(0, L"STATIC", L"WWWW", WS_CHILD | WS_VISIBLE | SS_LEFT, 5, 5,
                                    80, 16, dialog, nullptr, nullptr, nullptr);
  RECT client{};
  GetClientRect(text, &client);
  const auto countOf = [&](unsigned colour) {
    int count = 0;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x) count += WindowPixel(text, x, y) == colour;
    return count;
  };
  const unsigned face = SkinPixel(scButtonFace);
  const unsigned systemFace = DibColor(GetSysColor(COLOR_BTNFACE));
  RepaintNow(dialog);
  ASSERT_NE(face, systemFace);
  ASSERT_GT(countOf(systemFace), 0) << "unskinned, the system's face colour";

  auto* object = new TSkinBoxH(nullptr);
  object->InitWindow(dialog, data.get(), formObject.get(), &formObject->ControlCanvas());
  RepaintNow(dialog);
  EXPECT_EQ(0, countOf(systemFace)) << "neither around the text nor in its cells";
  EXPECT_GT(countOf(face), 0);
  EXPECT_EQ(face, WindowPixel(dialog, client.right + 20, 2));
  DibSurface surface(40, 40);
  EXPECT_EQ(0, SendMessageW(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.dc()), 0));
  EXPECT_EQ(face, surface.Pixel(20, 20));
  formObject.reset();
  DestroyWindow(dialog);
}

// Every pixel of the window's client area.
std::vector<unsigned> Pixels(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  std::vector<unsigned> pixels;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) pixels.push_back(WindowPixel(window, x, y));
  return pixels;
}

TEST_F(SkinControlTest, SizerCoversSizeGripsAndLeavesPlainScrollBars) {
  const HWND grip = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 10,
                                    10, 16, 16, form->Handle(), nullptr, nullptr, nullptr);
  const HWND bar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_HORZ, 40, 10,
                                   100, 16, form->Handle(), nullptr, nullptr, nullptr);
  RepaintNow(form->Handle());
  const unsigned face = SkinPixel(scButtonFace);
  const std::vector<unsigned> barBefore = Pixels(bar);
  const std::vector<unsigned> gripBefore = Pixels(grip);
  ASSERT_NE(std::count(gripBefore.begin(), gripBefore.end(), face),
            static_cast<std::ptrdiff_t>(gripBefore.size()));
  for (const HWND window : {grip, bar}) {
    (new TSkinSizer(nullptr))
        ->InitWindow(window, data.get(), formObject.get(), &formObject->ControlCanvas());
  }
  RepaintNow(form->Handle());
  const std::vector<unsigned> gripAfter = Pixels(grip);
  EXPECT_EQ(std::count(gripAfter.begin(), gripAfter.end(), face),
            static_cast<std::ptrdiff_t>(gripAfter.size()));
  EXPECT_EQ(barBefore, Pixels(bar));
  formObject.reset();
  DestroyWindow(grip);
  DestroyWindow(bar);
}

}  // namespace
