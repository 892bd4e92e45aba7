#include "skin/controls/SkinComBox.h"

#include <algorithm>

#include "skin/controls/ComboxScrollBar.h"
#include "skin/controls/SkinDrawing.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/data/SkinSystem.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

enum TComboFrame : int { cfNormal = 1, cfPressed = 2, cfDisabled = 3, cfHot = 4 };
// The composite of the derived images lays the combo out itself.
constexpr int kCompositeStyle = 2;
constexpr int kFlatStyle = 1;

void FrameWith(HDC dc, const RECT& rect, TColor colour) {
  const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(colour))));
  FrameRect(dc, &rect, brush.Get());
}

}  // namespace

// The edit inside an ANSI combo: its paints repaint the combo's frame and
// its presses are the combo's.
struct TSkinComBox::TEditHook : ::TWindowHookTarget {
  explicit TEditHook(TSkinComBox& combo) : owner(combo) {}
  LRESULT HookedMessage(TWindowHook& self, UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_NCDESTROY) {
      const LRESULT result = self.CallOld(msg, wParam, lParam);
      self.Forget();
      return result;
    }
    const LRESULT result = self.CallOld(msg, wParam, lParam);
    switch (msg) {
      case WM_PAINT:
        owner.PaintControl(nullptr);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        owner.MouseState |= msPressed;
        owner.PaintControl(nullptr);
        break;
      case WM_LBUTTONUP:
        owner.MouseState &= static_cast<std::uint8_t>(~msPressed);
        owner.PaintControl(nullptr);
        break;
      default:
        break;
    }
    return result;
  }
  TSkinComBox& owner;
  TWindowHook hook{THookRole::Control, *this};
};

const TClassInfo& TSkinComBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinComBox>("TSkinComBox", &TSkinControl::StaticClass()).Build();
  return info;
}

TSkinComBox::TSkinComBox(TControl* control) : TSkinControl(control) {}

TSkinComBox::~TSkinComBox() = default;

void TSkinComBox::InitSkin(TWinSkinForm* form, TSkinData* skinData, bool changeColor,
                           TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::InitSkin(form, skinData, changeColor, canvas);
  if (Attached) AttachParts();
}

void TSkinComBox::InitWindow(HWND handle, TSkinData* skinData, TWinSkinForm* form,
                             TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::InitWindow(handle, skinData, form, canvas);
  if (Attached) AttachParts();
}

void TSkinComBox::ReadComboInfo() {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(Handle, &info)) return;
  ListWindow = info.hwndList;
  EditWindow = info.hwndItem != Handle ? info.hwndItem : nullptr;
  ButtonRect = info.rcButton;
}

void TSkinComBox::AttachParts() {
  ComboStyle = static_cast<int>(WindowLong(GWL_STYLE) & 3);
  ReadComboInfo();
  if (!Form || !ListWindow || Form->FindSkinObject(ListWindow)) return;
  std::unique_ptr<TSkinControl> list;
  if (ComboStyle == CBS_DROPDOWN || ComboStyle == CBS_DROPDOWNLIST) {
    list = std::make_unique<TComboxScrollBar>(nullptr);
    if (!Unicode && ComboStyle == CBS_DROPDOWN) {
      if (const HWND edit = GetWindow(Handle, GW_CHILD)) {
        editHook_ = std::make_unique<TEditHook>(*this);
        if (!editHook_->hook.Install(edit)) editHook_.reset();
      }
    }
  } else if (GetWindowLongPtrW(ListWindow, GWL_STYLE) & WS_CHILD) {
    list = std::make_unique<TSkinScrollbarH>(nullptr);
  }
  if (!list) return;
  list->InitWindow(ListWindow, SkinData, Form, Canvas);
  if (list->Attached) (void)list.release();  // the form's list owns it now
}

void TSkinComBox::Unskin() {
  const bool wasActive = Active;
  TSkinControl::Unskin();
  if (!wasActive || State == scsGone) return;
  if (editHook_) editHook_.reset();  // puts the edit's procedure back
  if (Form && ListWindow) {
    if (auto* list = dynamic_cast<TSkinControl*>(Form->FindSkinObject(ListWindow))) {
      list->Unskin();
      delete list;  // leaves the form's list
    }
  }
}

bool TSkinComBox::LeftScrollBar() const {
  return (WindowLong(GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
}

int TSkinComBox::StateFrame() const {
  if (WindowLong(GWL_STYLE) & WS_DISABLED) return cfDisabled;
  if (MouseState & msPressed) return cfPressed;
  const HWND focus = GetFocus();
  const bool focused = focus && (focus == Handle || IsChild(Handle, focus));
  if (focused || (MouseState & msHot)) return cfHot;
  return cfNormal;
}

void TSkinComBox::SetHot(bool hot) {
  const bool was = (MouseState & msHot) != 0;
  if (hot == was) return;
  if (hot) {
    MouseState |= msHot;
    SkinTrackMouseLeave(Handle);
  } else {
    MouseState &= static_cast<std::uint8_t>(~msHot);
  }
  RequestRepaint();
}

void TSkinComBox::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      break;  // the combo repaints itself, and our frame with it
    case WM_MOUSEMOVE: {
      const POINT at{static_cast<short>(LOWORD(message.LParam)),
                     static_cast<short>(HIWORD(message.LParam))};
      SetHot(IsWindowEnabled(Handle) && PtInRect(&ButtonRect, at));
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseState |= msPressed;
      RequestRepaint();
      break;
    case WM_LBUTTONUP:
      MouseState &= static_cast<std::uint8_t>(~msPressed);
      RequestRepaint();
      break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      MouseState &= static_cast<std::uint8_t>(~msHot);
      RequestRepaint();
      break;
    case WM_DRAWITEM:
    case WM_NCPAINT:
      PaintControl(nullptr);
      break;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == CBN_DROPDOWN) {
        DroppedDown = true;
      } else if (HIWORD(message.WParam) == CBN_CLOSEUP) {
        // The release went to the list, so the press ends here.
        DroppedDown = false;
        MouseState &= static_cast<std::uint8_t>(~msPressed);
        RequestRepaint();
      }
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinComBox::DrawControl(HDC dc, const RECT& rect) {
  const TDataSkinBorder* button = SkinData ? SkinData->Skin().ComboButton.get() : nullptr;
  if (!button || button->Image->Empty()) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(Handle, &info)) {
    if (info.stateButton & STATE_SYSTEM_INVISIBLE) return;
    ButtonRect = info.rcButton;
  }
  // A press whose release nobody told us about (the list took it) is over
  // once the list is closed and the button is up.
  if ((MouseState & msPressed) && !SendMessageW(Handle, CB_GETDROPPEDSTATE, 0, 0) &&
      GetKeyState(VK_LBUTTON) >= 0) {
    MouseState &= static_cast<std::uint8_t>(~msPressed);
  }
  const int frame = StateFrame();
  if (Extended) {
    DrawExtended(dc, rect, frame);
  } else if (button->Style == kCompositeStyle) {
    DrawComposite(dc, rect, frame);
  } else if (button->Style == kFlatStyle) {
    DrawFlat(dc, rect, frame);
  } else {
    DrawSunk(dc, rect, frame);
  }
}

void TSkinComBox::DrawComposite(HDC dc, const RECT& rect, int frame) const {
  const TSkinElements& skin = SkinData->Skin();
  // The mirrored composite went to SunkEdge for combos with the button on the left.
  const TDataSkinObject* element = skin.ComboButton.get();
  if (LeftScrollBar() && skin.SunkEdge && !skin.SunkEdge->Image->Empty()) {
    element = skin.SunkEdge.get();
  }
  const int frames = std::max(element->Frame, 1);
  DrawFramedImage(dc, rect, *element->Image, false, element->Tile != 0, true, frames,
                  std::min(frame, frames), element->Margins());
}

void TSkinComBox::DrawFlat(HDC dc, const RECT& rect, int frame) const {
  const TSkinElements& skin = SkinData->Skin();
  const HBRUSH brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT ring = rect;
  InflateRect(&ring, -1, -1);
  FrameRect(dc, &ring, brush);
  const int thumb = GetSystemMetrics(SM_CYVTHUMB);
  const bool left = LeftScrollBar();
  RECT strip{left ? rect.left + 2 : rect.right - 2 - thumb, rect.top + 2,
             left ? rect.left + 2 + thumb : rect.right - 2, rect.bottom - 2};
  FillRect(dc, &strip, brush);
  FrameWith(dc, rect, skin.Colour(scButtonShadow));
  TBitmap& image = *skin.ComboButton->Image;
  const int frames = std::max(skin.ComboButton->Frame, 1);
  const int cellWidth = image.Width() / frames;
  if (cellWidth <= 0) return;
  // The button rectangle starts 2 pixels inside the edge, top included; a
  // cell lower than the strip keeps its own height there.
  RECT cell{left ? strip.left : strip.right - cellWidth, strip.top,
            left ? strip.left + cellWidth : strip.right, strip.bottom};
  if (image.Height() < thumb) cell.bottom = cell.top + image.Height();
  DrawStripCell(dc, image, frames, std::min(frame, frames), cell);
}

void TSkinComBox::DrawSunk(HDC dc, const RECT& rect, int frame) const {
  const TSkinElements& skin = SkinData->Skin();
  const int width = GetSystemMetrics(SM_CXHSCROLL) + 2;
  const bool left = LeftScrollBar();
  const RECT button{left ? rect.left : rect.right - width, rect.top,
                    left ? rect.left + width : rect.right, rect.bottom};
  const TSavedDC saved(dc);
  // The text stays the combo's own: only the edge and the button are ours.
  ExcludeClipRect(dc, left ? button.right : rect.left + 2, rect.top + 2,
                  left ? rect.right - 2 : button.left, rect.bottom - 2);
  if (skin.SunkEdge && !skin.SunkEdge->Image->Empty()) {
    DrawElementFrame(dc, *skin.SunkEdge, rect, frame);
  }
  DrawElementFrame(dc, *skin.ComboButton, button, frame);
  if (skin.ExtraImages && !skin.ExtraImages->Image->Empty()) {
    DrawCentredFrame(dc, button, *skin.ExtraImages->Image, true,
                     std::max(skin.ExtraImages->Frame, 1), frame);
  }
}

void TSkinComBox::DrawExtended(HDC dc, const RECT& rect, int frame) const {
  const TSkinElements& skin = SkinData->Skin();
  FrameWith(dc, rect, skin.Colour(scButtonShadow));
  RECT ring = rect;
  InflateRect(&ring, -1, -1);
  FrameWith(dc, ring, clWhite);
  const HWND child = GetWindow(Handle, GW_CHILD);
  RECT area{};
  if (!child || !GetWindowRect(child, &area)) return;
  RECT window{};
  GetWindowRect(Handle, &window);
  OffsetRect(&area, -window.left, -window.top);
  FillFace(dc, area, SkinData);
  const TDataSkinObject* arrow = skin.ComboxArrow.get();
  if (arrow && !arrow->Image->Empty()) {
    DrawStripCell(dc, *arrow->Image, std::max(arrow->Frame, 1),
                  std::min(frame, std::max(arrow->Frame, 1)), area);
  }
}

bool TSkinComBox::HasPicture() const {
  return !SkinData || UsablePicture(SkinData->Skin().ComboButton.get());
}
