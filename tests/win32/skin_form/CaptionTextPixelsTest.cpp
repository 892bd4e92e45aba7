// The caption text read back from painted frames: its colour, where it
// goes, the ellipsis of a text too long for its room, and a message box
// widened for its caption.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "FramePixelsFixture.h"
#include "skin/core/SkinMessages.h"
#include "skin/form/CaptionButtons.h"

namespace {

// The caption band's pixels that a text changed against the same frame
// painted without one: the glyphs, since the inactive text strip of our
// skin is all magenta.
class TInk {
 public:
  TInk(const DibSurface& plain, const DibSurface& text, int width, int height)
      : width_(width), height_(height), ink_(static_cast<size_t>(width * height)) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const bool changed = plain.Pixel(x, y) != text.Pixel(x, y);
        ink_[static_cast<size_t>(y * width + x)] = changed;
        if (!changed) continue;
        ++count_;
        box_ = count_ == 1 ? RECT{x, y, x, y}
                           : RECT{std::min<LONG>(box_.left, x), std::min<LONG>(box_.top, y),
                                  std::max<LONG>(box_.right, x), std::max<LONG>(box_.bottom, y)};
      }
    }
  }
  bool At(int x, int y) const { return ink_[static_cast<size_t>(y * width_ + x)]; }
  bool InColumn(int x, int fromY, int toY) const {
    for (int y = std::max(0, fromY); y <= std::min(toY, height_ - 1); ++y) {
      if (At(x, y)) return true;
    }
    return false;
  }
  int Count() const { return count_; }
  // Inclusive bounds of every changed pixel.
  const RECT& Box() const { return box_; }

  // Separate runs of inked columns at the right end of the text whose ink
  // stays on the baseline (the bottom three rows), counted up to the first
  // column that reaches higher: the dots of an ellipsis.
  int BaselineDotsAtTheEnd() const {
    int dots = 0;
    bool inDot = false;
    for (int x = box_.right; x >= box_.left; --x) {
      if (InColumn(x, box_.top, box_.bottom - 3)) break;
      const bool inked = InColumn(x, box_.bottom - 2, box_.bottom);
      if (inked && !inDot) ++dots;
      inDot = inked;
    }
    return dots;
  }

 private:
  int width_, height_;
  std::vector<bool> ink_;
  int count_ = 0;
  RECT box_{};
};

class CaptionTextPixelsTest : public FramePixelsTest {
 protected:
  // The frame painted with the window showing text, inactive.
  std::unique_ptr<DibSurface> PaintedWithText(TWinSkinForm& object, const wchar_t* text) {
    SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
    SetWindowTextW(window, text);
    return Painted(object);
  }
};

unsigned Channel(unsigned pixel, int shift) { return (pixel >> shift) & 0xFF; }

TEST_F(CaptionTextPixelsTest, TextIsDrawnInTheTitleColourOverTheCaption) {
  TWinSkinForm& object = Skinned();
  const auto plain = PaintedWithText(object, L"");
  const auto text = PaintedWithText(object, L"Caption text");
  const TInk ink(*plain, *text, object.Frame().WindowWidth(), object.Frame().Top());
  ASSERT_GT(ink.Count(), 20);
  const unsigned colour = ResolvedDib(data->Skin().Colour(scTitleTextNoActive));
  // Every glyph pixel lies between the caption under it and the text
  // colour (smoothed edges blend the two): no background box, no other colour.
  int solid = 0, foreign = 0;
  for (int y = 0; y < object.Frame().Top(); ++y) {
    for (int x = 0; x < object.Frame().WindowWidth(); ++x) {
      if (!ink.At(x, y)) continue;
      const unsigned under = plain->Pixel(x, y), shown = text->Pixel(x, y);
      bool full = true, between = true;
      for (const int shift : {0, 8, 16}) {
        const int low = static_cast<int>(std::min(Channel(under, shift), Channel(colour, shift)));
        const int high = static_cast<int>(std::max(Channel(under, shift), Channel(colour, shift)));
        const int value = static_cast<int>(Channel(shown, shift));
        between = between && value >= low - 8 && value <= high + 8;
        full = full && std::abs(value - static_cast<int>(Channel(colour, shift))) <= 8;
      }
      solid += full;
      foreign += !between;
    }
  }
  EXPECT_GT(solid, 0);
  EXPECT_EQ(0, foreign);
}

TEST_F(CaptionTextPixelsTest, TooLongTextEndsInAnEllipsisBeforeTheButtons) {
  TWinSkinForm& object = Skinned();
  const auto plain = PaintedWithText(object, L"");
  const std::wstring wide(60, L'W');
  const auto text = PaintedWithText(object, wide.c_str());
  const TInk ink(*plain, *text, object.Frame().WindowWidth(), object.Frame().Top());
  ASSERT_GT(ink.Count(), 0);
  EXPECT_EQ(3, ink.BaselineDotsAtTheEnd());

  // Nothing of the text reaches the right-aligned caption buttons.
  int buttonsLeft = object.Frame().WindowWidth();
  for (int i = 0; i < object.Caption().ButtonCount(); ++i) {
    const TWinSysButton& button = *object.Caption().Button(i);
    if (button.Visible && button.Element->Align == 1) {
      buttonsLeft = std::min<int>(buttonsLeft, button.Rect.left);
    }
  }
  ASSERT_LT(buttonsLeft, object.Frame().WindowWidth());
  EXPECT_LT(ink.Box().right, buttonsLeft);
}

TEST_F(CaptionTextPixelsTest, TextThatFitsHasNoEllipsis) {
  TWinSkinForm& object = Skinned();
  const auto plain = PaintedWithText(object, L"");
  const auto text = PaintedWithText(object, L"WWW");
  EXPECT_EQ(0, TInk(*plain, *text, object.Frame().WindowWidth(), object.Frame().Top())
                   .BaselineDotsAtTheEnd());
}

TEST_F(CaptionTextPixelsTest, RightToLeftCaptionTextSitsRight) {
  TWinSkinForm& ltr = Skinned();
  Painted(ltr);
  const RECT ltrText = ltr.Caption().TextRect();
  const int middle = ltr.Frame().WindowWidth() / 2;
  EXPECT_LT(ltrText.left, middle);
  DestroyWindow(window);
  TWinSkinForm& rtl = Skinned(WS_OVERLAPPEDWINDOW, 0x4000 | WS_EX_RTLREADING);
  ASSERT_TRUE(rtl.Window().RightToLeft);
  Painted(rtl);
  // The text ends where the right-aligned buttons begin (give or take the
  // strip's margins), instead of starting at the left.
  const int buttonsStart =
      rtl.Frame().WindowWidth() - rtl.Frame().Right() - rtl.Caption().RightButtonsWidth();
  EXPECT_GT(rtl.Caption().RightButtonsWidth(), 0);
  EXPECT_LE(std::abs(rtl.Caption().TextRect().right - buttonsStart), 16)
      << rtl.Caption().TextRect().right;
  EXPECT_GT(rtl.Caption().TextRect().left, ltrText.left + 50);
}

// What a message box looked like when the manager's initialisation message
// was taken from the queue (laid out by the system, not yet skinned), and
// once skinned.
struct TBoxLook {
  RECT client{};
  RECT button{};
};
struct TBoxSeen {
  TBoxLook before, after;
  RECT window{};
  int frameLeft = 0, frameRight = 0;
  bool skinned = false;
};
constexpr wchar_t kLongCaption[] =
    L"A caption much wider than the few words of the message box below it";

TBoxLook LookOf(HWND box) {
  TBoxLook look;
  GetClientRect(box, &look.client);
  const HWND button = GetDlgItem(box, IDOK);
  GetWindowRect(button, &look.button);
  MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&look.button), 2);
  return look;
}

TBoxSeen g_box;

LRESULT CALLBACK BeforeSkinning(int code, WPARAM wParam, LPARAM lParam) {
  const auto& msg = *reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && msg.message == SKIN_INIT) {
    wchar_t caption[128] = {};
    GetWindowTextW(msg.hwnd, caption, 128);
    if (std::wstring(caption) == kLongCaption) g_box.before = LookOf(msg.hwnd);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(SkinManagerTest, MessageBoxIsWidenedForItsCaptionAndKeepsItsButtonCentred) {
  g_box = {};
  const HHOOK hook =
      SetWindowsHookExW(WH_GETMESSAGE, BeforeSkinning, nullptr, GetCurrentThreadId());
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
    const HWND box = FindWindowW(L"#32770", kLongCaption);
    const TWinSkinForm* object = TSkinManage::Instance()->FindFormObject(box);
    if (!object || object->AttachState() != asSkinned) return;
    KillTimer(nullptr, id);
    g_box.skinned = true;
    g_box.after = LookOf(box);
    GetWindowRect(box, &g_box.window);
    g_box.frameLeft = object->Frame().Left();
    g_box.frameRight = object->Frame().Right();
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxW(nullptr, L"Short.", kLongCaption, MB_OK);
  KillTimer(nullptr, timer);
  UnhookWindowsHookEx(hook);
  ASSERT_TRUE(g_box.skinned);

  // The room the caption needs, measured here in the system's caption font.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const TFontHandle font(CreateFontIndirectW(&metrics.lfCaptionFont));
  const TScreenDC screen;
  const TSelection selected(screen.Get(), font.Get());
  SIZE extent{};
  GetTextExtentPoint32W(screen.Get(), kLongCaption, static_cast<int>(wcslen(kLongCaption)),
                        &extent);
  const TDataSkinTitle& title = *data->Skin().Title;
  const int needed = title.LeftWidth + extent.cx + title.RightWidth;
  const int skinnedWidth = g_box.before.client.right + g_box.frameLeft + g_box.frameRight;
  ASSERT_LT(skinnedWidth, needed) << "the caption must not fit the box as it was";

  EXPECT_EQ(needed, g_box.window.right - g_box.window.left);
  // The button moved by half the growth (integer halves), so it stays
  // centred.
  const int shift = (needed - skinnedWidth) / 2;
  EXPECT_EQ(g_box.before.button.left + shift, g_box.after.button.left);
  EXPECT_EQ(g_box.before.button.top, g_box.after.button.top);
}

}  // namespace
