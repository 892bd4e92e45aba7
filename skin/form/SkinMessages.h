// The private window messages of the skin engine. Their values are part of
// the protocol that skinned windows answer, so they live here and nowhere
// else.
#pragma once

#include <windows.h>

#include "toolkit/controls/Messages.h"

// To the form's toolkit handler: re-apply the skin (RefreshSkin).
constexpr UINT SKIN_REFRESH = 0x3401;
// To a skinned window: repaint the frame now.
constexpr UINT SKIN_REPAINTFRAME = 0x3502;
// Posted by the manager right after attaching (wParam 0, lParam 1000):
// finish skinning.
constexpr UINT SKIN_INIT = 0x3503;
// Sent to a skinned control: wParam is the new active state.
constexpr UINT SKIN_SETACTIVE = 0x3506;
// Sent by a skinned page control to its form's window when a tab's close box
// is pressed: wParam = the tab window, lParam = the tab index; 0 lets the
// page close.
constexpr UINT SKIN_CLOSETAB = 0x3507;
// Posted by a form skin object to its own window: a caption button with an
// application-defined action was clicked; wParam = the action.
constexpr UINT SKIN_CAPTIONACTION = 0x3514;
// Sent to a skinned window: wParam = visibility code 1000..2000, lParam =
// action; a result above 0 shows the caption button.
constexpr UINT SKIN_BUTTONVISIBLE = 0x3515;
// Posted to an MDI client: redraw it with its children and frames.
constexpr UINT SKIN_MDIREDRAW = 0x3516;
// Posted by a skinned scroll bar: wParam = the control's window, whose
// scroll bar skin object is to be replaced.
constexpr UINT SKIN_RESKINSCROLL = 0x3517;
// To a skinned window: open the menu bar item under the screen point lParam.
constexpr UINT SKIN_OPENMENUBAR = 0x3518;
// To anyone: a skinned window or popup menu answers 1 (and its form object
// then posts SKIN_APPLIED to itself).
constexpr UINT SKIN_QUERY = 0x3523;
// To the form's toolkit handler with lParam kSkinMagic: paint the frame into
// the DC in wParam (when not 0); the result is kSkinMagic.
constexpr UINT SKIN_PAINTFRAME = 0xBC4B;
// To a skinned edit with lParam kSkinMagic: the edit paints its client area
// into the DC in wParam (when not 0); the result is kSkinMagic.
constexpr UINT SKIN_PAINTCLIENT = 0xBC4A;
// To the form's toolkit handler: kSkinMagic when lParam is kSkinMagic, else 1.
constexpr UINT SKIN_PING = 0xBC4D;
// Sent to a skinned window (wParam 0, lParam kSkinMagic): the skin is now in
// place.
constexpr UINT SKIN_APPLIED = 0xBC4E;

// The value that marks SKIN_PAINTCLIENT, SKIN_PAINTFRAME, SKIN_PING and
// SKIN_APPLIED as ours.
constexpr LPARAM kSkinMagic = 0x41A2;
// lParam of the posted SKIN_INIT.
constexpr LPARAM kSkinInitParam = 1000;
// RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME.
constexpr UINT kMdiRedrawFlags = 0x585;

// The protocol's numbers reach WindowProc as themselves, so none may fall in
// the toolkit's CM_ or CN_ ranges (reflected notifications never dispatch)
// or among the numbers RegisterWindowMessage hands out, and no two may be
// the same.
constexpr UINT kSkinMessages[] = {
    SKIN_REFRESH,       SKIN_REPAINTFRAME,  SKIN_INIT,        SKIN_SETACTIVE,    SKIN_CLOSETAB,
    SKIN_CAPTIONACTION, SKIN_BUTTONVISIBLE, SKIN_MDIREDRAW,   SKIN_RESKINSCROLL, SKIN_OPENMENUBAR,
    SKIN_QUERY,         SKIN_PAINTFRAME,    SKIN_PAINTCLIENT, SKIN_PING,         SKIN_APPLIED,
};

constexpr bool SkinMessagesStayClear() {
  for (const UINT message : kSkinMessages) {
    if (message >= CM_BASE && message <= CM_LAST) return false;
    if (IsReflectedNotification(message) || message >= 0xC000) return false;
    int same = 0;
    for (const UINT other : kSkinMessages) same += other == message;
    if (same != 1) return false;
  }
  return true;
}
static_assert(SkinMessagesStayClear(), "a skin message shares its number with another message");
