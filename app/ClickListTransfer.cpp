#include "app/ClickListTransfer.h"

#include <commdlg.h>

#include "app/ClickListStore.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/WideText.h"

namespace app {

namespace {

constexpr wchar_t kFilter[] = L"点击列表 (*.txt)\0*.txt\0所有文件 (*.*)\0*.*\0";

OPENFILENAMEW DialogSettings(const TClickListFields& fields, std::wstring& file,
                             const wchar_t* title) {
  file.assign(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetAncestor(fields.list->Handle(), GA_ROOT);
  dialog.lpstrFilter = kFilter;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title;
  dialog.lpstrDefExt = L"txt";
  return dialog;
}

std::wstring Chosen(const std::wstring& file) { return std::wstring(file.c_str()); }

}  // namespace

void ExportClickList(const TClickListFields& fields, const TAskUser& ask) {
  std::wstring file;
  OPENFILENAMEW dialog = DialogSettings(fields, file, L"导出点击列表");
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&dialog)) return;
  const DWORD error = WriteFileReplacing(Chosen(file), WriteClickList(CurrentState(fields)));
  if (error != 0)
    ask("无法导出到 " + FromWide(Chosen(file)) + ":\n" + SystemErrorText(error),
        MB_OK | MB_ICONWARNING);
}

void ImportClickList(const TClickListFields& fields, const TAskUser& ask) {
  std::wstring file;
  OPENFILENAMEW dialog = DialogSettings(fields, file, L"导入点击列表");
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) return;
  ImportClickListFrom(Chosen(file), fields, ask);
}

void ImportClickListFrom(const std::wstring& path, const TClickListFields& fields,
                         const TAskUser& ask) {
  const TFileStart file = ReadFileStart(path, kClickListMaxBytes);
  if (file.error != 0 || !file.found) {
    ask("无法读取 " + FromWide(path) + ":\n" +
            SystemErrorText(file.error ? file.error : ERROR_FILE_NOT_FOUND),
        MB_OK | MB_ICONWARNING);
    return;
  }
  const TClickListReading reading = ReadClickList(file.bytes, file.cutShort);
  const std::vector<std::string>& items = reading.state.items;
  if (!items.empty() && fields.list->Items()->Count() > 0) {
    const int choice = ask(
        "导入 " + std::to_string(items.size()) + " 个坐标。\n是: 替换当前列表\n否: 追加到列表末尾",
        MB_YESNOCANCEL | MB_ICONQUESTION);
    if (choice == IDCANCEL) return;
    if (choice == IDYES) fields.list->Items()->Clear();
  }
  AddItems(*fields.list, items);
  if (reading.Damaged())
    ask("导入时已略过" + LeftOutLinesText(reading) + "。", MB_OK | MB_ICONWARNING);
  else if (items.empty())
    ask("文件中没有坐标。", MB_OK | MB_ICONINFORMATION);
}

}  // namespace app
