// Menus as a whole: finding items, command dispatch, owner drawing, the
// main menu's link to its form and popup menus opened at a point.
#include "toolkit/controls/Menus.h"

#include <algorithm>
#include <vector>

#include "toolkit/core/SysUtils.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

TMenuItem* FindIn(TMenuItem* item, UINT_PTR value, TFindItemKind kind) {
  for (int i = 0; i < item->Count(); ++i) {
    TMenuItem* child = item->Items(i);
    bool match = false;
    switch (kind) {
      case fkCommand:
        match = child->Command() == value;
        break;
      case fkHandle:
        // Owner drawing hands menu handles over as 32-bit ids.
        match = child->HandleAllocated() &&
                static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(child->Handle())) ==
                    static_cast<uint32_t>(value);
        break;
      case fkShortCut:
        match = child->ShortCut() != 0 && child->ShortCut() == value;
        break;
    }
    if (match) return child;
    if (TMenuItem* found = FindIn(child, value, kind)) return found;
  }
  return nullptr;
}

TOwnerDrawState DrawState(UINT itemState) {
  constexpr std::pair<UINT, TOwnerDrawStateItem> Bits[] = {
      {ODS_SELECTED, odSelected},      {ODS_GRAYED, odGrayed},     {ODS_DISABLED, odDisabled},
      {ODS_CHECKED, odChecked},        {ODS_FOCUS, odFocused},     {ODS_DEFAULT, odDefault},
      {ODS_HOTLIGHT, odHotLight},      {ODS_INACTIVE, odInactive}, {ODS_NOACCEL, odNoAccel},
      {ODS_NOFOCUSRECT, odNoFocusRect}};
  TOwnerDrawState state;
  for (const auto& [bit, member] : Bits)
    if (itemState & bit) state.Include(member);
  return state;
}

// The canvas owner drawing hands out: bound to the DC, in the menu font.
class TMenuCanvas {
 public:
  explicit TMenuCanvas(HDC dc) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      const TFontHandle font(CreateFontIndirectW(&metrics.lfMenuFont));
      canvas_.Font().SetHandle(font.Get());
    }
    canvas_.Font().SetColor(clMenuText);
    canvas_.SetHandle(dc);
  }
  ~TMenuCanvas() { canvas_.SetHandle(nullptr); }
  TMenuCanvas(const TMenuCanvas&) = delete;
  TMenuCanvas& operator=(const TMenuCanvas&) = delete;
  TCanvas& Canvas() { return canvas_; }

 private:
  TCanvas canvas_;
};

std::vector<TPopupMenu*>& PopupMenus() {
  static std::vector<TPopupMenu*> menus;
  return menus;
}

TWindowHandle& PopupWindow() {
  static TWindowHandle window;
  return window;
}

LRESULT CALLBACK PopupListProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  // A handler may free a popup menu: walk a copy.
  const std::vector<TPopupMenu*> menus = PopupMenus();
  switch (msg) {
    case WM_COMMAND:
      for (TPopupMenu* menu : menus)
        if (menu->DispatchCommand(LOWORD(wParam))) return 0;
      break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      for (TPopupMenu* menu : menus)
        if (menu->OwnerDrawMessage(msg, lParam)) return TRUE;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

const TEnumInfo& OwnerDrawStateInfo() {
  static const TEnumInfo info{
      "TOwnerDrawStateItem",
      {"odSelected", "odGrayed", "odDisabled", "odChecked", "odFocused", "odDefault", "odHotLight",
       "odInactive", "odNoAccel", "odNoFocusRect"}};
  return info;
}

HWND PopupListWindow() {
  if (!PopupWindow()) {
    static const wchar_t ClassName[] = L"TPopupListWindow";
    static const ATOM registered = [] {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = PopupListProc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = ClassName;
      return RegisterClassExW(&wc);
    }();
    if (!registered) throw EOutOfResources("Cannot register the popup list window class");
    // Hidden and of no size: it only owns the menus it opens.
    PopupWindow().Reset(CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, L"", WS_POPUP, 0, 0, 0, 0,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!PopupWindow()) throw EOutOfResources("Cannot create the popup list window");
  }
  return PopupWindow().Get();
}

const TClassInfo& TMenu::StaticClass() {
  static const TClassInfo info = TClassBuilder<TMenu>("TMenu", &TComponent::StaticClass())
                                     .Object("Images", &TMenu::Images, &TMenu::SetImages)
                                     .Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
                                     .Default(0)
                                     .Build();
  return info;
}

const TClassInfo& TMainMenu::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMainMenu>("TMainMenu", &TMenu::StaticClass()).Build();
  return info;
}

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPopupMenu>("TPopupMenu", &TMenu::StaticClass())
                                     .Event("OnPopup", &TPopupMenu::OnPopup)
                                     .Build();
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  Destroying();
  SetImages(nullptr);
  items_.reset();
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const {
  if (kind == fkHandle && items_->HandleAllocated() &&
      static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(items_->Handle())) ==
          static_cast<uint32_t>(value))
    return items_.get();
  return FindIn(items_.get(), value, kind);
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command, fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  TMenuItem* item = FindItem(shortCut, fkShortCut);
  if (!item || !item->Enabled()) return false;
  item->Click();
  return true;
}

// Owner drawing names an item by its id; a system that names items with a
// submenu by the submenu's handle instead is answered too.
TMenuItem* TMenu::OwnerDrawnItem(UINT itemID) const {
  if (TMenuItem* item = FindItem(itemID, fkCommand)) return item;
  TMenuItem* item = FindItem(itemID, fkHandle);
  return item != items_.get() ? item : nullptr;
}

bool TMenu::OwnerDrawMessage(UINT msg, LPARAM lParam) {
  if (msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (!measure || measure->CtlType != ODT_MENU) return false;
    TMenuItem* item = OwnerDrawnItem(measure->itemID);
    if (!item) return false;
    const TScreenDC screen;
    TMenuCanvas canvas(screen.Get());
    int width = static_cast<int>(measure->itemWidth);
    int height = static_cast<int>(measure->itemHeight);
    item->MeasureItem(canvas.Canvas(), width, height);
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    return true;
  }
  if (msg == WM_DRAWITEM) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (!draw || draw->CtlType != ODT_MENU) return false;
    TMenuItem* item = OwnerDrawnItem(draw->itemID);
    if (!item) return false;
    // The canvas lets go of the DC before the DC's state is put back.
    const TSavedDC saved(draw->hDC);
    TMenuCanvas canvas(draw->hDC);
    item->DrawItem(canvas.Canvas(), draw->rcItem, DrawState(draw->itemState));
    return true;
  }
  return false;
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == ownerDraw_) return;
  ownerDraw_ = value;
  // Every native entry changes its type, submenus included.
  std::vector<TMenuItem*> pending{items_.get()};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    item->RebuildHandle();
    pending.insert(pending.end(), item->items_.begin(), item->items_.end());
  }
  MenuChanged();
}

void TMenu::SetImages(TImageList* value) {
  if (value == images_) return;
  if (images_) {
    images_->RemoveChangeLink(this);
    images_->RemoveFreeNotification(this);
  }
  images_ = value;
  if (images_) {
    images_->FreeNotification(this);
    images_->AddChangeLink(this, [this] { MenuChanged(); });
  }
  MenuChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TMenu::MenuChanged() {
  const TComponentState state = ComponentState();
  if (state.Contains(csLoading) || state.Contains(csDestroying)) return;
  if (OnChange) OnChange(this);
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) {
  items_->GetChildren(proc, root);
}

void TMenu::Loaded() {
  TComponent::Loaded();
  MenuChanged();
}

TMainMenu::~TMainMenu() {
  // The window must not keep a menu handle that is about to be destroyed.
  if (host_) host_->DropMainMenu();
}

void TMainMenu::MenuChanged() {
  TMenu::MenuChanged();
  const TComponentState state = ComponentState();
  if (state.Contains(csLoading) || state.Contains(csDestroying)) return;
  if (host_) host_->MainMenuChanged();
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) { PopupMenus().push_back(this); }

TPopupMenu::~TPopupMenu() {
  std::erase(PopupMenus(), this);
  if (PopupMenus().empty()) PopupWindow().Reset();
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0,
                 PopupListWindow(), nullptr);
}
