// The manager's life: creation through the skin data's factory, the thread
// hook, the registered skin data components and the order of destruction.
#include "skin/manage/SkinManage.h"

#include <algorithm>

#include "skin/core/SkinMessages.h"
#include "skin/data/SkinSystem.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SwallowedException.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/WinSkinPopMenu.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/controls/WideText.h"

namespace {

constexpr unsigned kCommandTimerInterval = 100;
constexpr DWORD kSizeGripStyle = 0x10;  // SBS_SIZEGRIP

// Process-wide values of the manager.
struct TManagerGlobals {
  std::unique_ptr<TSkinManage> instance;
  HHOOK hook = nullptr;
  bool shuttingDown = false;
  DWORD platformVersion = 0;
  ATOM controlAtom = 0;
  // A global atom outlives the process that added it.
  ~TManagerGlobals() {
    if (controlAtom) GlobalDeleteAtom(controlAtom);
  }
};

TManagerGlobals& Globals() {
  static TManagerGlobals globals;
  return globals;
}

ISkinManager* MakeManager() {
  TManagerGlobals& globals = Globals();
  if (!globals.instance) globals.instance = std::make_unique<TSkinManage>();
  return globals.instance.get();
}

String ClassNameOf(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, 256);
  return length > 0 ? FromWide(name, static_cast<size_t>(length)) : String();
}

}  // namespace

void InstallSkinManager() {
  TManagerGlobals& globals = Globals();
  if (!globals.controlAtom) {
    const std::string text = ControlAtomText();
    RegisterWindowMessageA(text.c_str());
    globals.controlAtom = GlobalAddAtomA(text.c_str());
  }
  SetSkinManagerFactory(&MakeManager);
}

void DestroySkinManager() { Globals().instance.reset(); }

TSkinManage* TSkinManage::Instance() { return Globals().instance.get(); }

HHOOK TSkinManage::Hook() const { return Globals().hook; }

TSkinManage::TSkinManage() : commandTimer_(std::make_unique<TTimer>(nullptr)) {
  Globals().shuttingDown = false;
  commandTimer_->SetEnabled(false);
  commandTimer_->SetInterval(kCommandTimerInterval);
  commandTimer_->OnTimer = [this](TObject*) { RunPendingCommand(); };
}

TSkinManage::~TSkinManage() {
  runCount_ = kDestroying;
  skinning_ = false;
  commandTimer_.reset();
  for (TWinSkinForm* object : formObjects_) object->LeaveSession();
  while (!formObjects_.empty()) {
    TWinSkinForm* object = formObjects_.back();
    formObjects_.pop_back();
    if (object->ManagerId() != ManagerId()) continue;
    object->ReleaseWindow();
    delete object;
  }
  popupMenus_.clear();
  skinDataList_.clear();
  TManagerGlobals& globals = Globals();
  if (globals.hook) UnhookWindowsHookEx(globals.hook);
  globals.hook = nullptr;
  globals.shuttingDown = true;
  SkinManagerDestroyed();
}

void TSkinManage::RegisterSkinData(TSkinData* data) {
  if (!data) return;
  skinDataList_.push_back(data);
  if (!mainSkinData_ && data->SkinFormtype() == sfMainform) mainSkinData_ = data;
}

void TSkinManage::UnregisterSkinData(TSkinData* data) {
  const auto it = std::find(skinDataList_.begin(), skinDataList_.end(), data);
  if (it != skinDataList_.end()) skinDataList_.erase(it);
  if (mainSkinData_ == data) mainSkinData_ = nullptr;
  if (currentSkinData_ == data) currentSkinData_ = nullptr;
}

void TSkinManage::InstallHook() {
  TManagerGlobals& globals = Globals();
  if (globals.hook) return;  // one hook per thread is all it takes
  globals.platformVersion = GetVersion();
  globals.hook = SetWindowsHookExA(WH_CBT, &CbtHook, nullptr, GetCurrentThreadId());
}

LRESULT CALLBACK TSkinManage::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  TManagerGlobals& globals = Globals();
  TSkinManage* manager = globals.instance.get();
  if (!globals.shuttingDown && manager && code >= 0) {
    const auto window = reinterpret_cast<HWND>(wParam);
    // Nothing may unwind through the system's hook call.
    try {
      switch (code) {
        case HCBT_ACTIVATE:
          if (manager->runCount_ == 0) manager->runCount_ = 1;
          manager->SkinWindow(window);
          break;
        case HCBT_DESTROYWND:
          manager->ReleasePopupMenu(window);
          break;
        case HCBT_CREATEWND:
          manager->WindowCreated(window, *reinterpret_cast<const CBT_CREATEWNDA*>(lParam));
          break;
        default:
          break;
      }
    } catch (...) {
      ReportSwallowedException("TSkinManage::CbtHook");
    }
  }
  return CallNextHookEx(globals.hook, code, wParam, lParam);
}

void TSkinManage::WindowCreated(HWND window, const CBT_CREATEWNDA& create) {
  const CREATESTRUCTA& cs = *create.lpcs;
  const String className = ClassNameOf(window);
  if (className == "ScrollBar" && (cs.style & kSizeGripStyle)) {
    if (TWinSkinForm* parent = FindFormObject(cs.hwndParent)) parent->SizeGripCreated(window);
  }
  if (!(cs.style & WS_CHILD) && className == "#32768") SkinPopupMenu(window);
  if (cs.dwExStyle & WS_EX_MDICHILD) SkinWindow(window);
}

void TSkinManage::SkinPopupMenu(HWND window) {
  if (!skinning_ || IsPopupMenuTracked(window)) return;
  if (SendMessageA(window, SKIN_QUERY, 0, 0) == 1) return;
  TSkinData* data = ChooseSkinData(window);
  if (!data || data->SkinPending()) return;
  const TSkinControlTypes controls = data->SkinControls();
  bool covered = true;
  switch (session_.MenuKind()) {
    case mkPopupMenu:
      covered = controls.Contains(xcPopupMenu);
      break;
    case mkMenuBar:
      covered = controls.Contains(xcMainMenu) || controls.Contains(xcMenuItem);
      break;
    case mkSystemMenu:
      covered = controls.Contains(xcSystemMenu);
      break;
  }
  if (!covered) return;
  auto menu = std::make_unique<TWinSkinPopMenu>();
  if (!menu->Attach(window, data, nullptr)) return;
  popupMenus_.push_back(std::move(menu));
}

void TSkinManage::ReleasePopupMenu(HWND window) {
  const auto it = std::find_if(popupMenus_.begin(), popupMenus_.end(),
                               [&](const auto& menu) { return menu->Window() == window; });
  if (it == popupMenus_.end()) return;
  popupMenus_.erase(it);  // detaches first
  if (popupMenus_.empty()) {
    session_.MenusClosed();
  }
}

bool TSkinManage::IsPopupMenuTracked(HWND window) const { return FindPopupMenu(window) != nullptr; }

TWinSkinPopMenu* TSkinManage::FindPopupMenu(HWND window) const {
  for (const auto& menu : popupMenus_) {
    if (menu->Window() == window) return menu.get();
  }
  return nullptr;
}

void TSkinManage::AssignMenuHandle(HMENU handle) {
  for (auto it = popupMenus_.rbegin(); it != popupMenus_.rend(); ++it) {
    if (!(*it)->MenuHandle) {
      (*it)->MenuHandle = handle;
      return;
    }
  }
}

TWinSkinPopMenu* TSkinManage::FindPopupMenuOf(HMENU handle) const {
  for (const auto& menu : popupMenus_) {
    if (menu->MenuHandle == handle) return menu.get();
  }
  return nullptr;
}

TBitmap* TSkinManage::FindMenuPicture(HMENU handle) const {
  TWinSkinPopMenu* menu = FindPopupMenuOf(handle);
  return menu ? &menu->FramePicture() : nullptr;
}

TWinSkinForm* TSkinManage::FindFormObject(HWND window) const {
  for (TWinSkinForm* object : formObjects_) {
    if (object->Handle() == window) return object;
  }
  return nullptr;
}

void TSkinManage::DropFormObject(TWinSkinForm* object) {
  if (runCount_ == kDestroying) return;
  const auto it = std::find(formObjects_.begin(), formObjects_.end(), object);
  if (it != formObjects_.end()) formObjects_.erase(it);
}

void TSkinManage::TFormSession::FormAttaching() { manager_.SetRunCount(1); }

void TSkinManage::TFormSession::FormDestroyed(TWinSkinForm* form) { manager_.DropFormObject(form); }

TMenuBackground TSkinManage::TFormSession::MenuBackground(HMENU menu) {
  TMenuBackground background;
  if (!menu) return background;
  manager_.AssignMenuHandle(menu);
  background.Picture = manager_.FindMenuPicture(menu);
  // The picture covers the whole menu window; where the system draws the
  // menu's edge inside the client area (Wine), client and window coincide.
  if (const TWinSkinPopMenu* popup = manager_.FindPopupMenuOf(menu)) {
    RECT window{};
    POINT origin{0, 0};
    if (GetWindowRect(popup->Window(), &window) && ClientToScreen(popup->Window(), &origin))
      background.ClientOffset = POINT{origin.x - window.left, origin.y - window.top};
  }
  return background;
}
