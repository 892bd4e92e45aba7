// Reaching the gallery's controls from outside its process: by window
// class, a page by a real click on its tab, and pointer presses and drags
// as a person's hand makes them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// The first descendant of parent of window class className that accept takes.
HWND FindDescendant(HWND parent, const std::wstring& className,
                    const std::function<bool(HWND)>& accept = nullptr);
// A visible top-level window of process with that class.
HWND VisibleTopLevelOfClass(DWORD process, const std::wstring& className);

// Clicks the tab of the gallery's page index and waits until it shows.
bool ShowPage(HWND gallery, int index);

RECT ScreenRectOf(HWND window);
POINT CentreOf(const RECT& rect);

// How many pixels differ; -1 when the sizes do.
int Differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b);

// Real X pointer: the left button held down at a point, and let go.
bool XPress(int x, int y);
bool XRelease();
// Presses at from, moves to to in a few steps, lets go there.
bool XDrag(POINT from, POINT to);

}  // namespace e2e
