#include "app/ClickListKeeper.h"

#include "app/ClickListStore.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/WideText.h"

namespace app {

namespace {

bool ChangesTheList(UINT msg) {
  return msg == LB_ADDSTRING || msg == LB_INSERTSTRING || msg == LB_DELETESTRING ||
         msg == LB_RESETCONTENT;
}

// Runs after the handler that was there before.
TNotifyEvent Also(TNotifyEvent previous, std::function<void()> action) {
  return [previous = std::move(previous), action = std::move(action)](TObject* sender) {
    if (previous) previous(sender);
    action();
  };
}

}  // namespace

TClickListKeeper::TClickListKeeper(const TClickListFields& fields, std::wstring path, TWarn warn)
    : fields_(fields), path_(std::move(path)), warn_(std::move(warn)) {
  listHook_ = std::make_unique<TWindowProcHook>(
      *fields_.list,
      [this](TMessage& message, const TWndMethod& previous) { ListMessage(message, previous); });
  fields_.period->OnChange = Also(fields_.period->OnChange, [this] { Changed(); });
  for (TRadioButton* action : fields_.actions)
    action->OnClick = Also(action->OnClick, [this] { Changed(); });
}

TClickListKeeper::~TClickListKeeper() = default;

void TClickListKeeper::ListMessage(TMessage& message, const TWndMethod& previous) {
  if (message.Msg == WM_SAVECLICKLIST) {
    savePosted_ = false;
    Save(true);
    return;
  }
  if (message.Msg == WM_SHOWCLICKLISTREPORT) {
    const String report = std::exchange(report_, String());
    if (!report.empty()) warn_(report);
    return;
  }
  previous(message);
  if (ChangesTheList(message.Msg)) Changed();
}

void TClickListKeeper::Changed() {
  if (loading_) return;
  dirty_ = true;
  if (savePosted_ || !fields_.list->HandleAllocated()) return;
  savePosted_ = PostMessageW(fields_.list->Handle(), WM_SAVECLICKLIST, 0, 0) != FALSE;
  if (!savePosted_) Save(true);
}

DWORD TClickListKeeper::Save(bool tellFailure) {
  if (!mayWrite_) return 0;
  const DWORD error = WriteFileReplacing(path_, WriteClickList(CurrentState(fields_)));
  if (error == 0) {
    dirty_ = false;
    failureTold_ = false;
    return 0;
  }
  if (!tellFailure || failureTold_) return error;
  failureTold_ = true;
  warn_("无法保存点击列表到 " + FromWide(path_) + ":\n" + SystemErrorText(error) +
        "\n程序继续运行，修改会在下次保存成功时写入。");
  return error;
}

void TClickListKeeper::Flush() {
  if (dirty_) Save(false);
}

void TClickListKeeper::Load() {
  const TFileStart file = ReadFileStart(path_, kClickListMaxBytes);
  if (file.error != 0) {
    // Writing now would replace a list we could not read.
    mayWrite_ = false;
    ReportLater("无法读取点击列表 " + FromWide(path_) + ":\n" + SystemErrorText(file.error) +
                "\n本次运行不会保存点击列表。");
    return;
  }
  if (!file.found) return;
  const TClickListReading reading = ReadClickList(file.bytes, file.cutShort);
  Restore(reading);
  if (reading.Damaged()) ReportDamage(reading);
}

void TClickListKeeper::Restore(const TClickListReading& reading) {
  loading_ = true;
  fields_.list->Items()->Clear();
  AddItems(*fields_.list, reading.state.items);
  fields_.period->SetText(reading.state.period);
  TClickAction action = TClickAction::LeftClick;
  if (ActionOfKeyword(reading.state.action, action)) CheckAction(fields_, action);
  loading_ = false;
}

void TClickListKeeper::ReportDamage(const TClickListReading& reading) {
  const String left = "点击列表文件 " + FromWide(path_) + " 有损坏的内容，已略过" +
                      LeftOutLinesText(reading) + "。";
  const std::wstring aside = SetDamagedFileAside(path_);
  if (aside.empty()) {
    mayWrite_ = false;
    ReportLater(left + "\n无法另存原文件，本次运行不会保存点击列表。");
    return;
  }
  // The good lines go back under the usual name at once, so the next start
  // finds a sound file and says nothing.
  dirty_ = true;
  const DWORD error = Save(false);
  failureTold_ = error != 0;
  ReportLater(left + "\n原文件已另存为 " + FromWide(aside) + "。" +
              (error ? "\n无法写入新的列表文件:\n" + SystemErrorText(error) : String()));
}

void TClickListKeeper::ReportLater(const String& text) {
  report_ = text;
  PostMessageW(fields_.list->Handle(), WM_SHOWCLICKLISTREPORT, 0, 0);
}

}  // namespace app
