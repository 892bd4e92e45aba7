#include "tests/win32/skin_test_program/TestWindow.h"

namespace {

TFormBorderStyle FormBorderStyle(TTestWindowKind kind) {
  switch (kind) {
    case TTestWindowKind::Single:
      return bsSingle;
    case TTestWindowKind::Dialog:
      return bsDialog;
    case TTestWindowKind::ToolWindow:
      return bsToolWindow;
    case TTestWindowKind::NoCaption:
      return bsNone;
    default:
      return bsSizeable;
  }
}

}  // namespace

TTestWindow::TTestWindow(TTestWindowKind kind) : kind_(kind) {
  const TTestWindowOrigin origin = TestWindowOrigin(kind);
  switch (kind) {
    case TTestWindowKind::Plain:
      plain_ = std::make_unique<TPlainTestWindow>(origin.x, origin.y);
      break;
    case TTestWindowKind::Mdi:
      mdi_ = std::make_unique<TMdiTestFrame>(origin.x, origin.y);
      break;
    default: {
      form_ = std::make_unique<TSkinTestForm>(nullptr, FormBorderStyle(kind),
                                              String("Skin test: ") + TestWindowKindName(kind));
      form_->SetBounds(origin.x, origin.y, form_->Width(), form_->Height());
      form_->Handle();
    }
  }
}

TTestWindow::~TTestWindow() = default;

HWND TTestWindow::Handle() const {
  if (form_) return form_->HandleAllocated() ? form_->Handle() : nullptr;
  if (plain_) return plain_->Handle();
  return mdi_->Frame();
}

void TTestWindow::Show() {
  if (form_) {
    form_->Show();
    return;
  }
  ShowWindow(Handle(), SW_SHOWNORMAL);
  UpdateWindow(Handle());
}
