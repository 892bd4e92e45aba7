// Checks that the Wine environment the other tests rely on is in place: the
// CJK face behind "宋体", and non-client areas drawn by Wine itself.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(WineEnvironment, SongTiHasChineseGlyphs) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                           L"\u5B8B\u4F53");
  HGDIOBJ old = SelectObject(dc, font);
  WORD glyphs[2] = {};
  // 点击: with no CJK face behind the name both glyphs would be missing (0xFFFF).
  ASSERT_EQ(2u, GetGlyphIndicesW(dc, L"\u70B9\u51FB", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS));
  EXPECT_NE(0xFFFF, glyphs[0]);
  EXPECT_NE(0xFFFF, glyphs[1]);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
}

TEST(WineEnvironment, CaptionedWindowHasANonClientArea) {
  HWND window = CreateWindowExW(0, L"STATIC", L"t", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                10, 10, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, window);
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  // Without Decorated=N and no window manager Wine leaves the caption out.
  EXPECT_GE((outer.bottom - outer.top) - client.bottom, GetSystemMetrics(SM_CYCAPTION));
  DestroyWindow(window);
}

}  // namespace
