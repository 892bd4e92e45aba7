// TSkinManage: the single skin manager of the process. A thread CBT hook
// shows it every window being activated or created; it decides which are
// skinned and with which skin data, owns their form skin objects and
// carries out the skin data's commands (skin, unskin, re-skin) on a timer.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/data/SkinManagerLink.h"
#include "skin/form/SkinSession.h"
#include "toolkit/core/SysUtils.h"

class TBitmap;
class TCustomForm;
class TSkinData;
class TTimer;
class TWinSkinForm;
class TWinSkinPopMenu;

class TSkinManage final : public ISkinManager {
 public:
  // The run count while the manager is being destroyed.
  static constexpr int kDestroying = 4;

  TSkinManage();
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // The manager of the process, or nullptr.
  static TSkinManage* Instance();

  // What the skin data component asks.
  void RegisterSkinData(TSkinData* data) override;
  void UnregisterSkinData(TSkinData* data) override;
  void InstallHook() override;
  void PostCommand(TSkinCommand command, unsigned delayMs) override;
  void SetCurrentSkinData(TSkinData* data) override { currentSkinData_ = data; }
  void RefreshAll() override;
  int RunCount() const override { return runCount_; }
  void SetRunCount(int count) override { runCount_ = count; }
  void SetSkinning(bool on) override { skinning_ = on; }
  void SkinForm(TComponent* form) override;

  // True when a form object was created for the window.
  bool SkinWindow(HWND window);
  bool ClassAllowed(HWND window, const String& className) const;
  TSkinData* ChooseSkinData(HWND window) const;
  // Frees the form objects whose windows are gone.
  void Purge();
  // The command timer's tick.
  void RunPendingCommand();

  TWinSkinForm* FindFormObject(HWND window) const;
  // A form object being destroyed leaves the list (it is not freed here).
  void DropFormObject(TWinSkinForm* object);
  const std::vector<TWinSkinForm*>& FormObjects() const { return formObjects_; }

  // What the form objects of this manager share: menu and MDI state.
  TSkinSession& Session() { return session_; }

  bool Skinning() const { return skinning_; }
  bool Scanning() const { return scanning_; }
  TSkinCommand PendingCommand() const { return pendingCommand_; }
  TSkinData* CurrentSkinData() const { return currentSkinData_; }
  TSkinData* MainSkinData() const { return mainSkinData_; }
  int ManagerId() const { return 0; }
  HHOOK Hook() const;

  // Menus: one skin object per popup menu window created while the kind of
  // menu the session says is opening is covered, newest last.
  void SkinPopupMenu(HWND window);
  void ReleasePopupMenu(HWND window);
  bool IsPopupMenuTracked(HWND window) const;
  TWinSkinPopMenu* FindPopupMenu(HWND window) const;
  // The first popup menu object showing that menu, or null.
  TWinSkinPopMenu* FindPopupMenuOf(HMENU handle) const;
  // The newest popup menu object without a menu handle takes this one.
  void AssignMenuHandle(HMENU handle);
  // The frame picture of the first popup menu showing handle, or null.
  TBitmap* FindMenuPicture(HMENU handle) const;

 private:
  // The session handed to every form object; what the forms tell it comes
  // back to the manager.
  class TFormSession final : public TSkinSession {
   public:
    explicit TFormSession(TSkinManage& manager) : manager_(manager) {}
    void FormAttaching() override;
    void FormDestroyed(TWinSkinForm* form) override;
    TMenuBackground MenuBackground(HMENU menu) override;

   private:
    void MdiMaximisedChanged(bool maximised) override;
    TSkinManage& manager_;
  };

  static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
  void WindowCreated(HWND window, const CBT_CREATEWNDA& create);
  void UnskinAndFree(TWinSkinForm* object);
  void ReskinAll(bool onlyFirst);
  // The pending command's parts: the forms data skins, all of them or only
  // its own.
  void SkinFormsOf(const TSkinData& data, bool onlyItsForm);
  void UnskinFormsOf(const TSkinData& data, bool onlyItsForm);

  std::unique_ptr<TTimer> commandTimer_;
  std::vector<TWinSkinForm*> formObjects_;
  std::vector<std::unique_ptr<TWinSkinPopMenu>> popupMenus_;
  std::vector<TSkinData*> skinDataList_;
  bool skinning_ = false;
  bool scanning_ = false;
  int runCount_ = 0;
  TSkinCommand pendingCommand_ = TSkinCommand(0);
  TSkinData* currentSkinData_ = nullptr;
  TSkinData* mainSkinData_ = nullptr;
  TFormSession session_{*this};
};

// Called once when the program starts: registers the control atom text and
// lets skin data components create the manager.
void InstallSkinManager();
// Frees the manager now (the process's end does it otherwise).
void DestroySkinManager();
