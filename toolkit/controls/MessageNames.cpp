#include "toolkit/controls/MessageNames.h"

#include <cstdio>

#include "toolkit/controls/Messages.h"

namespace {

#define TAPVANE_MESSAGES(X)                                                                                                                      \
  X(WM_NULL)                                                                                                                                     \
  X(WM_CREATE) X(WM_DESTROY) X(WM_MOVE) X(WM_SIZE) X(WM_ACTIVATE) X(WM_SETFOCUS) X(WM_KILLFOCUS) X(                                              \
      WM_ENABLE) X(WM_SETREDRAW) X(WM_SETTEXT) X(WM_GETTEXT) X(WM_GETTEXTLENGTH) X(WM_PAINT) X(WM_CLOSE)                                         \
      X(WM_QUERYENDSESSION) X(WM_QUIT) X(WM_ERASEBKGND) X(WM_SYSCOLORCHANGE) X(WM_SHOWWINDOW) X(                                                 \
          WM_SETTINGCHANGE) X(WM_ACTIVATEAPP) X(WM_CANCELMODE) X(WM_SETCURSOR) X(WM_MOUSEACTIVATE)                                               \
          X(WM_CHILDACTIVATE) X(WM_GETMINMAXINFO) X(WM_DRAWITEM) X(WM_MEASUREITEM) X(WM_DELETEITEM) X(                                           \
              WM_VKEYTOITEM) X(WM_CHARTOITEM) X(WM_SETFONT) X(WM_GETFONT) X(WM_QUERYDRAGICON)                                                    \
              X(WM_COMPAREITEM) X(WM_GETOBJECT) X(WM_WINDOWPOSCHANGING) X(WM_WINDOWPOSCHANGED) X(                                                \
                  WM_NOTIFY) X(WM_NOTIFYFORMAT) X(WM_CONTEXTMENU) X(WM_STYLECHANGING)                                                            \
                  X(WM_STYLECHANGED) X(WM_GETICON) X(WM_SETICON) X(WM_NCCREATE) X(WM_NCDESTROY) X(                                               \
                      WM_NCCALCSIZE) X(WM_NCHITTEST) X(WM_NCPAINT) X(WM_NCACTIVATE)                                                              \
                      X(WM_GETDLGCODE) X(WM_NCMOUSEMOVE) X(WM_NCLBUTTONDOWN) X(WM_NCLBUTTONUP) X(                                                \
                          WM_NCLBUTTONDBLCLK) X(WM_NCRBUTTONDOWN) X(WM_NCRBUTTONUP) X(WM_KEYDOWN)                                                \
                          X(WM_KEYUP) X(WM_CHAR) X(WM_DEADCHAR) X(WM_SYSKEYDOWN) X(WM_SYSKEYUP) X(                                               \
                              WM_SYSCHAR) X(WM_INITDIALOG) X(WM_COMMAND) X(WM_SYSCOMMAND) X(WM_TIMER) X(WM_HSCROLL)                              \
                              X(WM_VSCROLL) X(WM_INITMENU) X(WM_INITMENUPOPUP) X(                                                                \
                                  WM_MENUSELECT) X(WM_ENTERIDLE) X(WM_CHANGEUISTATE) X(WM_UPDATEUISTATE) X(WM_QUERYUISTATE) X(WM_CTLCOLORMSGBOX) \
                                  X(WM_CTLCOLOREDIT) X(WM_CTLCOLORLISTBOX) X(WM_CTLCOLORBTN) X(                                                  \
                                      WM_CTLCOLORDLG) X(WM_CTLCOLORSCROLLBAR) X(WM_CTLCOLORSTATIC) X(WM_MOUSEMOVE)                               \
                                      X(WM_LBUTTONDOWN) X(WM_LBUTTONUP) X(WM_LBUTTONDBLCLK) X(                                                   \
                                          WM_RBUTTONDOWN) X(WM_RBUTTONUP) X(WM_RBUTTONDBLCLK)                                                    \
                                          X(WM_MBUTTONDOWN) X(WM_MBUTTONUP) X(WM_MOUSEWHEEL) X(                                                  \
                                              WM_PARENTNOTIFY) X(WM_ENTERMENULOOP) X(WM_EXITMENULOOP) X(WM_SIZING)                               \
                                              X(WM_CAPTURECHANGED) X(WM_MOVING) X(WM_ENTERSIZEMOVE) X(WM_EXITSIZEMOVE) X(                        \
                                                  WM_IME_SETCONTEXT) X(WM_IME_NOTIFY) X(WM_NCMOUSELEAVE)                                         \
                                                  X(WM_MOUSELEAVE) X(WM_PRINT) X(WM_PRINTCLIENT) X(                                              \
                                                      WM_THEMECHANGED) X(WM_USER) X(CM_ACTIVATE)                                                 \
                                                      X(CM_DEACTIVATE) X(CM_DIALOGKEY) X(CM_DIALOGCHAR) X(                                       \
                                                          CM_FOCUSCHANGED) X(CM_PARENTFONTCHANGED) X(CM_PARENTCOLORCHANGED)                      \
                                                          X(CM_VISIBLECHANGED) X(CM_ENABLEDCHANGED) X(                                           \
                                                              CM_COLORCHANGED) X(CM_FONTCHANGED) X(CM_CURSORCHANGED)                             \
                                                              X(CM_TEXTCHANGED) X(CM_MOUSEENTER) X(                                              \
                                                                  CM_MOUSELEAVE) X(CM_MENUCHANGED)                                               \
                                                                  X(CM_SHOWINGCHANGED) X(CM_ENTER) X(                                            \
                                                                      CM_EXIT) X(CM_ICONCHANGED) X(CM_RELEASE)                                   \
                                                                      X(CM_SHOWHINTCHANGED) X(CM_TABSTOPCHANGED) X(                              \
                                                                          CM_INVALIDATE) X(CM_BORDERCHANGED)                                     \
                                                                          X(CN_CHARTOITEM) X(CN_COMMAND) X(                                      \
                                                                              CN_COMPAREITEM) X(CN_CTLCOLORBTN)                                  \
                                                                              X(CN_CTLCOLORDLG) X(                                               \
                                                                                  CN_CTLCOLOREDIT) X(CN_CTLCOLORLISTBOX)                         \
                                                                                  X(CN_CTLCOLORMSGBOX) X(                                        \
                                                                                      CN_CTLCOLORSCROLLBAR)                                      \
                                                                                      X(CN_CTLCOLORSTATIC) X(                                    \
                                                                                          CN_DELETEITEM) X(CN_DRAWITEM)                          \
                                                                                          X(CN_HSCROLL) X(                                       \
                                                                                              CN_MEASUREITEM)                                    \
                                                                                              X(CN_NOTIFY) X(                                    \
                                                                                                  CN_VKEYTOITEM)                                 \
                                                                                                  X(CN_VSCROLL)                                  \
                                                                                                      X(CN_KEYDOWN)                              \
                                                                                                          X(CN_CHAR)

struct NamedMessage {
  UINT msg;
  const char* name;
};

#define TAPVANE_NAMED(m) {m, #m},
constexpr NamedMessage kNames[] = {TAPVANE_MESSAGES(TAPVANE_NAMED)};
#undef TAPVANE_NAMED

}  // namespace

std::string MessageName(UINT msg) {
  for (const NamedMessage& entry : kNames) {
    if (entry.msg == msg) return entry.name;
  }
  char text[16];
  std::snprintf(text, sizeof text, "0x%04X", msg);
  return text;
}
