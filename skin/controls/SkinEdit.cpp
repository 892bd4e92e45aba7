#include "skin/controls/SkinEdit.h"

#include <cwctype>
#include <memory>
#include <string>

#include "skin/controls/SkinObjectFactory.h"
#include "skin/core/SkinControlHost.h"
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

constexpr int kClassNameLength = 64;

bool IsUpDownClass(HWND window) {
  wchar_t buffer[kClassNameLength + 1] = {};
  const int length = GetClassNameW(window, buffer, kClassNameLength);
  std::wstring name(buffer, buffer + (length > 0 ? length : 0));
  for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
  return name == L"msctls_updown32" || name.find(L"spin") != std::wstring::npos ||
         name.find(L"updown") != std::wstring::npos;
}

// The edit's own painting into a DC it was handed leaves that DC clipped
// to its text area; our border lies outside it. Lifted for our drawing only,
// inside a saved DC.
void ClipToWindow(HDC dc, const RECT& window) {
  SelectClipRgn(dc, nullptr);
  IntersectClipRect(dc, window.left, window.top, window.right, window.bottom);
}

void FrameWith(HDC dc, const RECT& rect, TColor colour) {
  const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(colour))));
  FrameRect(dc, &rect, brush.Get());
}

}  // namespace

const TClassInfo& TSkinEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinEdit>("TSkinEdit", &TSkinControl::StaticClass()).Build();
  return info;
}

TSkinControl* TSkinEdit::UpDown() const {
  if (!upDownWindow_ || !Form) return nullptr;
  return dynamic_cast<TSkinControl*>(Form->FindSkinObject(upDownWindow_));
}

void TSkinEdit::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      // After the edit's own painting, so the skin's border lies on top.
      PaintControl(reinterpret_cast<HDC>(message.WParam));
      break;
    case WM_NCPAINT:
      // The system redraws the edge alone at times (themed edits do):
      // that would wipe our border, so it goes back on at once.
      PaintControl(nullptr);
      break;
    case WM_PRINT:
      if (message.WParam) {
        DrawPrintFrame(reinterpret_cast<HDC>(message.WParam));
      } else {
        const TWindowDC own(Handle, TDCArea::Window);
        DrawPrintFrame(own.Get());
      }
      break;
    case SKIN_PAINTCLIENT:
      if (message.LParam != kSkinMagic) {
        TSkinControl::AfterProc(message);
        break;
      }
      if (message.WParam) {
        TMessage paint{WM_PAINT, message.WParam, 0, 0};
        CallDefault(paint);
      }
      message.Result = kSkinMagic;
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinEdit::DrawPrintFrame(HDC dc) {
  if (!dc) return;
  RECT window{}, client{};
  if (!GetWindowRect(Handle, &window) || !GetClientRect(Handle, &client)) return;
  OffsetRect(&window, -window.left, -window.top);
  if (client.right + 2 >= window.right || client.bottom + 2 >= window.bottom) return;
  const TSavedDC saved(dc);
  ClipToWindow(dc, window);
  RECT inner = window;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  FrameWith(dc, window, SkinData->Skin().Colour(scButtonShadow));
}

void TSkinEdit::SkinEmbeddedUpDown() {
  if (!SkinData->SkinControls().Contains(xcSpin) || UpDown()) return;
  HWND found = nullptr;
  for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsUpDownClass(child)) {
      found = child;
      break;
    }
  }
  if (!found || !Form || Form->FindSkinObject(found)) return;
  TSkinChoice choice;
  choice.Class = TSkinClass::UpDown;
  choice.Attach = TAttachKind::Window;
  choice.Window = found;
  choice.EmbeddedInEdit = true;
  const TSkinObjectFactory& factory = SkinObjectFactory();
  std::unique_ptr<TSkinControl> object(factory ? factory(choice) : nullptr);
  if (!object) return;  // no skin for up-down buttons: they keep their look
  object->InitWindow(found, SkinData, Form, Canvas);
  if (!object->Attached) return;
  upDownWindow_ = found;
  (void)object.release();  // the form's list owns it now
}

void TSkinEdit::DrawControl(HDC dc, const RECT& rect) {
  SkinEmbeddedUpDown();
  DrawEditBorder(dc, rect, Handle, *SkinData);
}

void DrawEditBorder(HDC dc, const RECT& rect, HWND window, const TSkinData& skinData) {
  RECT client{};
  GetClientRect(window, &client);
  // A window without a border has nothing for us to draw over.
  if (client.right == rect.right - rect.left || client.bottom == rect.bottom - rect.top) return;
  const TSavedDC saved(dc);
  ClipToWindow(dc, rect);
  RECT ring = rect;
  FrameWith(dc, ring, skinData.Skin().Colour(scButtonShadow));
  for (int i = 0; i < 2; ++i) {
    InflateRect(&ring, -1, -1);
    FrameWith(dc, ring, clWhite);
  }
}
