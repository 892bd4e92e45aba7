// One window of any test kind, made hidden: the in-process tests create
// each kind through this, the skin test program shows them.
#pragma once

#include <windows.h>

#include <memory>

#include "tests/win32/skin_test_program/MdiTestFrame.h"
#include "tests/win32/skin_test_program/PlainTestWindow.h"
#include "tests/win32/skin_test_program/SkinTestForm.h"
#include "tests/win32/skin_test_program/TestWindowKind.h"

class TTestWindow {
 public:
  explicit TTestWindow(TTestWindowKind kind);
  ~TTestWindow();
  TTestWindow(const TTestWindow&) = delete;
  TTestWindow& operator=(const TTestWindow&) = delete;

  TTestWindowKind Kind() const { return kind_; }
  // The top-level window: the form's, the plain window or the MDI frame.
  HWND Handle() const;
  // The toolkit form, for the form kinds only.
  TSkinTestForm* Form() const { return form_.get(); }
  // The MDI frame, for the MDI kind only.
  const TMdiTestFrame* Mdi() const { return mdi_.get(); }
  void Show();

 private:
  TTestWindowKind kind_;
  std::unique_ptr<TSkinTestForm> form_;
  std::unique_ptr<TPlainTestWindow> plain_;
  std::unique_ptr<TMdiTestFrame> mdi_;
};
