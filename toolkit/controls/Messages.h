// Messages of the toolkit: the record every handler receives, the toolkit's
// own notifications (CM_*) and the notifications a parent reflects back to
// the child that sent them (CN_*).
#pragma once

#include <windows.h>

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Toolkit notifications, sent with Perform to the control concerned. Unless
// said otherwise WParam and LParam are 0.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;    // form activated
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;  // form deactivated
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;   // WParam: virtual key; Result 1 when used
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;  // WParam: character (Alt+key); Result 1 when used
// To the top form when a control got the focus, which passes it on to every
// control below it (Broadcast); LParam: the TWinControl focused. Perform only.
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;   // parent's font changed
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;  // parent's colour changed
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;     // WParam: new Visible
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;     // after Enabled changed
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;       // after Color changed
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;        // after Font changed
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;      // after Cursor changed
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;        // after Caption/Text changed
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;         // mouse came over the control
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;         // mouse left the control
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;        // to the form: its menu was rebuilt
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;     // window shown or hidden with its parent
constexpr UINT CM_ENTER = CM_BASE + 26;              // control became the active control
constexpr UINT CM_EXIT = CM_BASE + 27;               // control stopped being the active control
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;        // to the form: its icon changed
constexpr UINT CM_RELEASE = CM_BASE + 33;            // posted to a form to free it
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;    // after ShowHint changed
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;     // after TabStop changed
// Performed on a windowed control by RecreateWnd; its default handling
// destroys the window and makes a new one, so whoever hooked WindowProc
// learns that the control's window is about to change.
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;             // a control asks to be repainted
constexpr UINT CM_BORDERCHANGED = CM_BASE + 59;          // after BorderStyle changed
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;        // after BiDiMode changed
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61;  // parent's BiDiMode changed
// The range kept for CM_ messages.
constexpr UINT CM_LAST = CM_BASE + 0xFF;

// A parent sends the notification of a child back to that child as CN_BASE +
// the original message; WParam/LParam as received, Result returned for it.
// They travel by Perform only: the same numbers arriving at a window are not
// dispatched (see IsReflectedNotification). The range stays clear of the skin
// engine's private messages (0xBC4A to 0xBC4E), which must reach WindowProc
// as themselves.
constexpr UINT CN_BASE = 0xBD00;
constexpr UINT CN_LAST = CN_BASE + 0x1FF;
constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;

constexpr bool IsReflectedNotification(UINT msg) { return msg >= CN_BASE && msg <= CN_LAST; }
static_assert(CM_PARENTBIDIMODECHANGED <= CM_LAST && CM_LAST < CN_BASE,
              "CM_ and CN_ ranges overlap");

// Messages whose LParam the toolkit trusts as a pointer: they reach a
// control by Perform only, never as a message arriving at its window.
constexpr bool TravelsByPerformOnly(UINT msg) {
  return IsReflectedNotification(msg) || msg == CM_FOCUSCHANGED;
}
