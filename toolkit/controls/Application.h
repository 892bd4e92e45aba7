// The application: message loop, title, main form, the standard exception
// box and the hint pause values.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "toolkit/controls/Controls.h"
#include "toolkit/controls/MainFormOwner.h"
#include "toolkit/core/Classes.h"
#include "toolkit/graphics/ScopedHandles.h"

class TCustomForm;
class THintWindow;

using TExceptionEvent = std::function<void(TObject* Sender, std::exception_ptr E)>;
// How message boxes reach the screen; tests put a recorder here.
using TMessageBoxFunc = std::function<int(HWND Owner, const std::wstring& Text,
                                          const std::wstring& Caption, UINT Flags)>;

class TApplication : public TComponent, public TControlEventSink, public TMainFormOwner {
  TAPVANE_CLASS(TApplication)
 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // COM for this thread (single-threaded apartment), the common controls and
  // the toolkit's classes in the class registry.
  void Initialize();
  const String& Title() const { return title_; }
  void SetTitle(const String& value);
  // The hidden application window (class "TApplication").
  HWND Handle();

  // Makes a form owned by the application; the first one becomes MainForm.
  template <typename T>
  void CreateForm(T*& reference) {
    reference = new T(this);
    FormCreated(reference);
  }
  TCustomForm* MainForm() const override { return mainForm_; }
  bool ShowMainForm = true;

  // Shows the main form and handles messages until Terminate.
  void Run();
  // Handles every message already queued, then returns.
  void ProcessMessages();
  // Handles one message, waiting for it when the queue is empty.
  void HandleMessage();
  void Terminate() override;
  bool Terminated() const { return terminated_; }

  // Reports the exception being handled (call inside a catch block): the
  // OnException handler when set, else the standard box. Never throws.
  void HandleException(TObject* sender);
  void ShowException(const String& message);
  int MessageBox(const String& text, const String& caption, UINT flags);
  TExceptionEvent OnException;
  TMessageBoxFunc MessageBoxFunc;

  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  int HintPause = 500;
  int HintHidePause = 2500;
  THintWindow* HintWindow() const { return hintWindow_; }
  // Hint bookkeeping, driven by the controls' mouse notifications.
  void HintMouseEnter(TControl* control) override;
  void HintMouseLeave(TControl* control) override;
  void CancelHint();
  void ControlDestroyed(TControl* control) override;

 private:
  static LRESULT CALLBACK AppWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void FormCreated(TCustomForm* form);
  bool ProcessMessage(MSG& msg);
  void DispatchOne(const MSG& msg);
  bool IsDialogMessage(const MSG& msg);
  void ActivateHint();

  String title_;
  TWindowHandle handle_;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  bool comInitialized_ = false;
  bool showHint_ = true;
  TControl* hintControl_ = nullptr;
  THintWindow* hintWindow_ = nullptr;
};

extern TApplication* Application;

// Every toolkit class in the class registry (layouts make them by name).
void RegisterToolkitClasses();
