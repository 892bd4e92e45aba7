// The face-colour objects: a panel's colour switched and given back
// without any hook, a dialog painted on face colour with its static text,
// and size grips covered while plain scroll bars keep their look.
#include <vector>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinPanels.h"
#include "skin/form/SkinMessages.h"
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

// A dialog template in memory: a child dialog with one static text.
std::vector<WORD> ChildDialogWithStatic() {
  std::vector<WORD> words;
  const auto dword = [&](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  dword(WS_CHILD | WS_VISIBLE);
  dword(0);
  words.insert(words.end(), {1, 0, 0, 120, 60});  // one item, x, y, cx, cy
  words.insert(words.end(), {0, 0, 0});           // no menu, own class, no title
  if (words.size() % 2) words.push_back(0);       // items start on a DWORD
  dword(WS_CHILD | WS_VISIBLE | SS_LEFT);
  dword(0);
  words.insert(words.end(), {5, 5, 60, 10, 100});  // x, y, cx, cy, id
  words.insert(words.end(), {0xFFFF, 0x0082});     // the static class
  for (const wchar_t c : std::wstring(L"WWWW")) words.push_back(c);
  words.push_back(0);
  words.push_back(0);  // no creation data
  return words;
}

INT_PTR CALLBACK NoDialogHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST_F(SkinControlTest, BoxHPaintsTheDialogAndItsStaticTextOnFace) {
  const std::vector<WORD> words = ChildDialogWithStatic();
  const HWND dialog =
      CreateDialogIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                                 form->Handle(), &NoDialogHandling, 0);
  ASSERT_TRUE(dialog);
  const HWND text = GetDlgItem(dialog, 100);
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
