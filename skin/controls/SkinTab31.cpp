#include "skin/controls/SkinTab31.h"

#include "skin/controls/SkinDrawing.h"
#include "skin/controls/SkinObjectFactory.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/core/SkinControlHost.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/controls/TabSet.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

enum TTabFrame : int { tfUnselected = 1, tfSelected = 2 };

}  // namespace

const TClassInfo& TSkinTab31::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTab31>("TSkinTab31", &TSkinControl::StaticClass()).Build();
  return info;
}

TSkinTab31::TSkinTab31(TControl* control)
    : TSkinControl(control),
      TabImage(std::make_unique<TBitmap>()),
      picture_(std::make_unique<TBitmap>()) {}

TSkinTab31::~TSkinTab31() = default;

void TSkinTab31::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool /*changeColor*/,
                          TCanvas* canvas) {
  auto* windowed = dynamic_cast<TWinControl*>(Control);
  if (Attached || !windowed) return;
  InitWindow(windowed->Handle(), skinData, form, canvas);
}

void TSkinTab31::InitWindow(HWND handle, TSkinData* skinData, TSkinControlHost* form,
                            TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::InitWindow(handle, skinData, form, canvas);
  PrepareImage();
  AttachScroller();
}

// The image first, so that the repaint of the base already uses it.
void TSkinTab31::SkinChange() {
  PrepareImage();
  TSkinControl::SkinChange();
}

void TSkinTab31::PrepareImage() {
  TabImage->Clear();
  margins_ = RECT{};
  const TDataSkinBorder* tabs = SkinData ? SkinData->Skin().Tabs.get() : nullptr;
  if (!tabs || tabs->Image->Empty()) return;
  TabImage->Assign(tabs->Image.get());
  TabImage->SetPixelFormat(pf24bit);
  FlipVert(*TabImage);
  // The top and bottom margins swap places with the picture.
  const RECT m = tabs->Margins();
  margins_ = RECT{m.left, m.bottom, m.right, m.top};
}

void TSkinTab31::AttachScroller() {
  if (!Control || Control->ComponentCount() == 0) return;
  auto* scroller = dynamic_cast<TTabSetScroller*>(Control->Components(0));
  if (!scroller) return;
  ScrollerWindow = scroller->Handle();
  // The arrows' object lives in the form's list like any other.
  TSkinChoice choice;
  choice.Class = TSkinClass::UpDown;
  choice.Attach = TAttachKind::Window;
  choice.Window = ScrollerWindow;
  choice.TabSetScroller = true;
  const TSkinObjectFactory& factory = SkinObjectFactory();
  std::unique_ptr<TSkinControl> object(factory ? factory(choice) : nullptr);
  if (!object) return;
  object->InitWindow(ScrollerWindow, SkinData, Form, Canvas);
  if (object->Attached && Form) (void)object.release();
}

bool TSkinTab31::ScrollerShown() const {
  return ScrollerWindow && IsWindow(ScrollerWindow) &&
         (GetWindowLongPtrW(ScrollerWindow, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool TSkinTab31::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      // Without a picture of ours the tab set paints itself.
      if (TabImage->Empty()) return true;
      // The tab set's own handler still runs after our picture. Painting
      // its window, it finds the update region already validated and draws
      // nothing; painting a DC it was handed, it would cover our picture,
      // so there it goes first.
      if (message.WParam) {
        CallDefault(message);
        PaintInPlace(message);
      } else {
        PaintInPlace(message);
        CallDefault(message);
      }
      message.Result = 0;
      return false;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeProc(message);
  }
}

void TSkinTab31::DrawControl(HDC dc, const RECT& rect) {
  if (!SkinData || TabImage->Empty() || !SkinData->Skin().Tabs) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  picture_->SetPixelFormat(pf24bit);
  picture_->SetSize(width, height);
  const HDC picture = picture_->PixelDC();
  if (!picture) return;
  FillFace(picture, RECT{0, 0, width, height}, SkinData);
  DrawTabs(picture, width, height);
  const TSavedDC saved(dc);
  if (ScrollerShown()) {
    // The arrows paint themselves; the picture must not cover them.
    RECT arrows{}, window{};
    GetWindowRect(ScrollerWindow, &arrows);
    GetWindowRect(Handle, &window);
    OffsetRect(&arrows, -window.left, -window.top);
    ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
  }
  BitBlt(dc, rect.left, rect.top, width, height, picture, 0, 0, SRCCOPY);
}

// The tabs the tab set shows, from its first visible one, each as wide as
// its text and 9 pixels, while they fit before the end margin and the
// scroller's room.
void TSkinTab31::DrawTabs(HDC dc, int width, int height) {
  auto* tabs = Control ? dynamic_cast<TStrings*>(GetObjectProp(Control, "Tabs")) : nullptr;
  if (!tabs) return;
  const TDataSkinBorder& element = *SkinData->Skin().Tabs;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  const TSelection selectedFont(dc, font);
  const auto selected = static_cast<int>(GetOrdProp(Control, "TabIndex"));
  const auto first = static_cast<int>(GetOrdProp(Control, "FirstIndex"));
  const auto start = static_cast<int>(GetOrdProp(Control, "StartMargin"));
  const auto end = static_cast<int>(GetOrdProp(Control, "EndMargin"));
  const int limit = width - end - (ScrollerShown() ? TTabSet::kScrollerRoom : 0);
  int x = start;
  for (int i = first < 0 ? 0 : first; i < tabs->GetCount(); ++i) {
    const WideString text = Utf8ToWide(tabs->Get(i));
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.c_str()),
                          static_cast<int>(text.size()), &size);
    const int tabWidth = size.cx + TTabSet::kTabPadding;
    if (x + tabWidth > limit) break;
    const RECT tab{x, 0, x + tabWidth, height};
    const bool current = i == selected;
    DrawFramedImage(dc, tab, *TabImage, false, element.Tile != 0, element.Trans == 1, element.Frame,
                    current ? tfSelected : tfUnselected, margins_);
    SetTextColor(dc, static_cast<COLORREF>(
                         ColorToRGB(current ? element.MouseOverColour2 : element.NormalColour2)));
    DrawPanelText(dc, tab, text, DT_CENTER, TextFlags());
    x += tabWidth;
  }
}

// Without a usable Tabs picture the strip is left to the control itself.
bool TSkinTab31::HasPicture() const {
  return !SkinData || UsablePicture(SkinData->Skin().Tabs.get());
}
