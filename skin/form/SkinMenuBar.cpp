// The menu bar's items: read from the window's menu and the toolkit menu
// behind it, laid out left to right, found by point and by accelerator.
#include "skin/form/SkinMenuBar.h"

#include <algorithm>

#include "skin/data/WinSkinData.h"
#include "skin/form/CaptionBar.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/WideText.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr int kItemPadding = 10;
constexpr int kPlainStart = 6;
constexpr int kNarrowBarStart = 12;

HFONT MakeMenuFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
  return CreateFontIndirectW(&metrics.lfMenuFont);
}

// The character after a single "&" ("&&" is a literal ampersand), or 0.
wchar_t AccelOf(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;
  }
  return 0;
}

wchar_t Upper(wchar_t c) {
  return static_cast<wchar_t>(
      reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(c)))));
}

}  // namespace

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& form, TSkinData& skinData)
    : Form(form),
      SkinData(skinData),
      background_(std::make_unique<TBitmap>()),
      scratch_(std::make_unique<TBitmap>()),
      menuFont_(MakeMenuFont()) {}

TWinSkinMenu::~TWinSkinMenu() {
  *alive_ = false;
  EndTracking();
}

void TWinSkinMenu::ClearItems() {
  TCaptionBar& caption = Form.Caption();
  if (caption.HotObject() && dynamic_cast<TMenuBtn*>(caption.HotObject())) {
    caption.SetHotObject(nullptr);
  }
  items_.clear();
}

TMenuBtn* TWinSkinMenu::Item(int index) const {
  if (index < 0 || index >= ItemCount()) return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

bool TWinSkinMenu::BuildItems() { return ReadItems(false); }

bool TWinSkinMenu::BuildItemsForMDI() {
  const bool built = ReadItems(true);
  LayoutItems();
  return built;
}

bool TWinSkinMenu::ReadItems(bool forMdi) {
  if (const HMENU current = GetMenu(Form.Handle())) MenuHandle = current;
  if (!MenuHandle || !IsMenu(MenuHandle)) {
    MenuHandle = nullptr;
    return false;
  }
  if (Form.ToolkitForm()) Menu = Form.ToolkitForm()->Menu();
  ClearItems();
  const int count = GetMenuItemCount(MenuHandle);
  for (int i = 0; i < count; ++i) {
    // Room for the longest text we keep; the system cuts longer ones.
    wchar_t text[kItemTextLength + 1] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = kItemTextLength + 1;
    if (!GetMenuItemInfoW(MenuHandle, static_cast<UINT>(i), TRUE, &info)) continue;
    text[kItemTextLength] = L'\0';
    auto item = std::make_unique<TMenuBtn>(Form, *this);
    item->Index = static_cast<int>(items_.size());
    item->SubMenu = info.hSubMenu;
    item->Enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    item->Visible = true;
    item->Command = info.wID;
    item->Caption = (info.fType & MFT_SEPARATOR) ? std::wstring() : std::wstring(text);
    const bool lookUp = Menu && !(forMdi && item->Caption.empty());
    if (TMenuItem* toolkit = lookUp ? Menu->FindItem(info.wID, fkCommand) : nullptr) {
      item->Caption = ToWide(toolkit->Caption());
      item->Enabled = toolkit->Enabled();
      item->MenuItem = toolkit;
      item->SubMenu = toolkit->Count() > 0 ? toolkit->Handle() : nullptr;
    }
    items_.push_back(std::move(item));
  }
  // The bar is ours now: the system must not draw its own under the caption.
  SetMenu(Form.Handle(), nullptr);
  return !items_.empty();
}

int TWinSkinMenu::ItemWidth(const TMenuBtn& item) const {
  if (item.Caption.empty()) return 0;
  const TScreenDC screen;
  const TSelection font(screen.Get(), menuFont_.Get());
  RECT rect{0, 0, 0, 0};
  DrawTextW(screen.Get(), item.Caption.c_str(), static_cast<int>(item.Caption.size()), &rect,
            DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
  const int width = rect.right - rect.left;
  return width > 0 ? width + kItemPadding : 0;
}

int TWinSkinMenu::StartOffset(int barWidth) const {
  const auto& element = SkinData.Skin().MenuBar;
  int x0 = kPlainStart;
  if (element && !element->Image->Empty()) {
    x0 = Form.Window().RightToLeft ? element->RightWidth + 8 : element->LeftWidth + 4;
  }
  if (barWidth < x0) x0 = kNarrowBarStart;
  return x0;
}

void TWinSkinMenu::LayoutItems() {
  const RECT bar{Form.Frame().Left(), Form.Frame().Top(),
                 Form.Frame().WindowWidth() - Form.Frame().Right(),
                 Form.Frame().Top() + Form.Frame().MenuBarHeight()};
  if (IsRectEmpty(&bar)) return;
  const int barWidth = bar.right - bar.left;
  int x = StartOffset(barWidth);
  if (Form.Window().RightToLeft) x = barWidth - x;
  for (const auto& item : items_) {
    if (!item->Visible) {
      item->Rect = RECT{};
      continue;
    }
    const int width = ItemWidth(*item);
    if (Form.Window().RightToLeft) {
      item->Rect = RECT{bar.left + x - width, bar.top, bar.left + x, bar.bottom - 1};
      x -= width;
    } else {
      item->Rect = RECT{bar.left + x, bar.top, bar.left + x + width, bar.bottom - 1};
      x += width;
    }
  }
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT p) const {
  for (const auto& item : items_) {
    if (!item->Caption.empty() && item->Visible && PtInRect(&item->Rect, p)) return item.get();
  }
  return nullptr;
}

TMenuBtn* TWinSkinMenu::FindAccelItem(wchar_t c) const {
  if (!c) return nullptr;
  const wchar_t wanted = Upper(c);
  for (const auto& item : items_) {
    if (!item->Enabled || !item->Visible) continue;
    const wchar_t accel = AccelOf(item->Caption);
    if (accel && Upper(accel) == wanted) return item.get();
  }
  return nullptr;
}

TMenuBtn* TWinSkinMenu::FirstItem() const {
  for (const auto& item : items_) {
    if (item->Visible && !item->Caption.empty()) return item.get();
  }
  return nullptr;
}
