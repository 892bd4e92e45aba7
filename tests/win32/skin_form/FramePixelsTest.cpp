// Pixels of the skinned frame read back and compared with our skin's own
// bitmaps: which frame is drawn, what the window region leaves out, how
// caption buttons look in each state.
#include <vector>

#include "FramePixelsFixture.h"
#include "skin/form/CaptionButtons.h"
#include "tests/win32/support/MessageRecorders.h"

namespace {

TEST_F(FramePixelsTest, CaptionIsTheTopImageOverItsFramesAndTheClientAreaFollows) {
  TWinSkinForm& object = Skinned();
  const TSkinElements& skin = data->Skin();
  ASSERT_GT(skin.Top->Frame, 1);
  EXPECT_EQ(skin.Top->Image->Height() / skin.Top->Frame, object.Frame().Top());
  EXPECT_EQ(skin.Left->Image->Width() / skin.Left->Frame, object.Frame().Left());
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  EXPECT_EQ(object.Frame().Top(), origin.y - frame.top);
  EXPECT_EQ(object.Frame().Left(), origin.x - frame.left);
}

TEST_F(FramePixelsTest, InactiveWindowShowsFrameTwoOfItsBorders) {
  TWinSkinForm& object = Skinned();
  TBitmap& left = *data->Skin().Left->Image;
  TBitmap& top = *data->Skin().Top->Image;
  const int leftFrame = left.Width() / data->Skin().Left->Frame;
  const int topFrame = top.Height() / data->Skin().Top->Frame;
  // Inside the unstretched corner margins a window pixel is a skin pixel.
  const int x = 1, y = 10, tx = object.Frame().Left() + 2, ty = 2;
  ASSERT_NE(SkinPixel(left, x, y), SkinPixel(left, leftFrame + x, y));
  ASSERT_NE(SkinPixel(top, 2, ty), SkinPixel(top, 2, topFrame + ty));

  auto active = Painted(object);
  EXPECT_EQ(SkinPixel(left, x, y), active->Pixel(x, y));
  EXPECT_EQ(SkinPixel(top, 2, ty), active->Pixel(tx, ty));

  SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
  auto inactive = Painted(object);
  EXPECT_EQ(SkinPixel(left, leftFrame + x, y), inactive->Pixel(x, y));
  EXPECT_EQ(SkinPixel(top, 2, topFrame + ty), inactive->Pixel(tx, ty));
}

TEST_F(FramePixelsTest, RegionLeavesOutEveryMagentaBorderPixelAndNothingElse) {
  TWinSkinForm& object = Skinned();
  ASSERT_TRUE(data->Skin().Left->Trans && data->Skin().Right->Trans);
  auto dib = Painted(object);
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(ERROR, GetWindowRgn(window, region.Get()));
  RECT rect{};
  GetWindowRect(window, &rect);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  int magenta = 0, wrong = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool border = x < object.Frame().Left() || x >= w - object.Frame().Right();
      const bool isMagenta = dib->Pixel(x, y) == kMagenta;
      const bool inside = PtInRegion(region.Get(), x, y) != FALSE;
      magenta += isMagenta;
      // Left and right borders: exactly the non-magenta pixels; everywhere
      // else (opaque top and bottom, the client area) the whole rectangle.
      if (border ? inside == isMagenta : !inside) ++wrong;
    }
  }
  EXPECT_GT(magenta, 0);
  EXPECT_EQ(0, wrong);
}

TEST_F(FramePixelsTest, AllOpaqueBordersGiveThePlainRectangle) {
  TWinSkinForm& object = Skinned();
  for (const auto* border :
       {&data->Skin().Left, &data->Skin().Right, &data->Skin().Top, &data->Skin().Bottom}) {
    (*border)->Trans = 0;
  }
  object.RefreshSkin();
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(SIMPLEREGION, GetWindowRgn(window, region.Get()));
  RECT box{}, rect{};
  GetRgnBox(region.Get(), &box);
  GetWindowRect(window, &rect);
  EXPECT_EQ(0, box.left);
  EXPECT_EQ(0, box.top);
  EXPECT_EQ(rect.right - rect.left, box.right);
  EXPECT_EQ(rect.bottom - rect.top, box.bottom);
}

TEST_F(FramePixelsTest, MinimisedWindowPaintsOnlyItsCaptionBand) {
  TWinSkinForm& object = Skinned();
  ShowWindow(window, SW_MINIMIZE);
  FlushEvents();
  ASSERT_EQ(plMinimised, object.Window().Placement);
  auto dib = Painted(object);
  RECT rect{};
  GetWindowRect(window, &rect);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const unsigned face = Dib(data->Skin().Colour(scButtonFace));
  TBitmap& top = *data->Skin().Top->Image;
  // The caption band runs across the whole width, from the window's left edge.
  EXPECT_EQ(SkinPixel(top, 1, 1), dib->Pixel(1, 1));
  for (int y = object.Frame().Top(); y < h; ++y) {
    EXPECT_EQ(face, dib->Pixel(w / 2, y)) << y;
  }
}

TEST_F(FramePixelsTest, HitTestKeepsTheSystemsAnswerInTheTopThreePixels) {
  TWinSkinForm& object = Skinned();
  RECT rect{};
  GetWindowRect(window, &rect);
  const int x = (rect.left + rect.right) / 2;
  for (int y = 0; y <= 3; ++y) {
    const LPARAM point = MAKELPARAM(x, rect.top + y);
    EXPECT_EQ(DefWindowProcW(window, WM_NCHITTEST, 0, point),
              SendMessageW(window, WM_NCHITTEST, 0, point))
        << y;
  }
  // Lower in the skin's caption, where the system sees no caption of its own.
  EXPECT_EQ(HTCAPTION, SendMessageW(window, WM_NCHITTEST, 0,
                                    MAKELPARAM(x, rect.top + object.Frame().Top() - 2)));
}

TEST_F(FramePixelsTest, CaptionButtonsShowTheirStateFrames) {
  TWinSkinForm& object = Skinned();
  Painted(object);  // lays the buttons out
  TWinSysButton* close = nullptr;
  TWinSysButton* maximise = nullptr;
  for (int i = 0; i < object.Caption().ButtonCount(); ++i) {
    TWinSysButton* b = object.Caption().Button(i);
    if (!b->Visible) continue;
    if (b->Element->Action == cbClose) close = b;
    if (b->Element->Action == cbMaximize) maximise = b;
  }
  ASSERT_NE(nullptr, close);
  ASSERT_NE(nullptr, maximise);
  TBitmap& image = *close->Element->Image;
  const int frameWidth = image.Width() / close->Element->Frame;
  // A point where the normal, pressed and hot looks all differ.
  int cx = -1, cy = -1;
  for (int y = 0; y < image.Height() && cx < 0; ++y) {
    for (int x = 0; x < frameWidth && cx < 0; ++x) {
      const unsigned n = SkinPixel(image, x, y), p = SkinPixel(image, frameWidth + x, y),
                     hot = SkinPixel(image, 2 * frameWidth + x, y);
      const bool opaque = n != kMagenta && p != kMagenta && hot != kMagenta;
      if (opaque && n != p && p != hot && n != hot) cx = x, cy = y;
    }
  }
  ASSERT_GE(cx, 0);
  const auto framePixel = [&](int frame) {
    return SkinPixel(image, (frame - 1) * frameWidth + cx, cy);
  };
  const auto shown = [&] {
    const HDC dc = GetWindowDC(window);
    const unsigned pixel = DibColor(GetPixel(dc, close->Rect.left + cx, close->Rect.top + cy));
    ReleaseDC(window, dc);
    return pixel;
  };
  ASSERT_NE(framePixel(bfNormal), framePixel(bfHot));
  ASSERT_NE(framePixel(bfHot), framePixel(bfPressed));
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(framePixel(bfNormal), shown());

  RECT rect{};
  GetWindowRect(window, &rect);
  const LPARAM over =
      MAKELPARAM(rect.left + close->Rect.left + cx, rect.top + close->Rect.top + cy);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, over);
  EXPECT_EQ(framePixel(bfHot), shown());
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, over);
  EXPECT_EQ(framePixel(bfPressed), shown());
  // Released elsewhere: the release goes on to the previous procedure, no
  // system command follows, and the button is drawn normal again once the
  // pointer is seen away from it.
  {
    wintest::MessageLog log;
    log.Only({WM_NCLBUTTONUP, WM_SYSCOMMAND, WM_CLOSE});
    const wintest::WindowProcRecorder arriving(log, window);
    const POINT away{rect.left + 40, rect.top + 10};
    SetCursorPos(away.x, away.y);
    SendMessageW(window, WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(away.x, away.y));
    EXPECT_TRUE(PumpUntil([&] { return object.Caption().HotObject() == nullptr; }, 1000));
    FlushEvents();
    EXPECT_SEQUENCE(log, {{WM_NCLBUTTONUP, wintest::sent}}, "released off the button");
    EXPECT_EQ(framePixel(bfNormal), shown());
    // Where the normal frame is see-through, the caption shows again, not
    // the hot frame drawn before it.
    const auto buttonPixels = [&] {
      std::vector<unsigned> pixels;
      const HDC dc = GetWindowDC(window);
      for (int y = close->Rect.top; y < close->Rect.bottom; ++y)
        for (int x = close->Rect.left; x < close->Rect.right; ++x)
          pixels.push_back(DibColor(GetPixel(dc, x, y)));
      ReleaseDC(window, dc);
      return pixels;
    };
    const auto afterLeave = buttonPixels();
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(afterLeave == buttonPixels());
  }

  // Without a maximize box the maximise button is disabled: frame 4.
  SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) & ~WS_MAXIMIZEBOX);
  Manager().FindFormObject(window)->ReadStyles();
  auto dib = Painted(object);
  TBitmap& maxImage = *maximise->Element->Image;
  const int mw = maxImage.Width() / maximise->Element->Frame;
  EXPECT_FALSE(maximise->Enabled);
  // An opaque point where the disabled look differs from the normal one.
  int mx = -1, my = -1;
  for (int y = 0; y < maxImage.Height() && mx < 0; ++y) {
    for (int x = 0; x < mw && mx < 0; ++x) {
      const unsigned disabled = SkinPixel(maxImage, 3 * mw + x, y);
      if (disabled != kMagenta && disabled != SkinPixel(maxImage, x, y)) mx = x, my = y;
    }
  }
  ASSERT_GE(mx, 0);
  EXPECT_EQ(SkinPixel(maxImage, 3 * mw + mx, my),
            dib->Pixel(maximise->Rect.left + mx, maximise->Rect.top + my));
}

}  // namespace
