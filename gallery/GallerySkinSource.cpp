// Where the gallery's skin comes from: a package file, or a skin folder that
// is shown live as it is edited; and the status bar saying which and when.
#include <windows.h>

#include <cstdio>

#include "gallery/FolderPicker.h"
#include "gallery/FolderWatch.h"
#include "gallery/GalleryForm.h"
#include "gallery/SkinPackageSwitch.h"
#include "gallery/WinSkinFolder.h"
#include "skin/data/SkinDescriptionFindings.h"
#include "skin/data/SkinRefusal.h"
#include "skin/data/WinSkinData.h"
#include "skin/manage/SkinManage.h"
#include "skin/read/SkinRead.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/controls/WideText.h"
#include "tools/skinpack/SkinFolder.h"

namespace {

enum TStatusPanelIndex { kNamePanel, kTimePanel, kSourcePanel, kReasonPanel };
constexpr int kPanelWidths[] = {150, 120, 200};
// A file still being written is read again this many times, a quiet time apart.
constexpr int kReadRetries = 3;
constexpr char kUnusableFolder[] = "皮肤文件夹无法使用:\r";
constexpr char kDamagedPackage[] = "皮肤包已损坏";

std::wstring WideOf(const String& text) {
  const WideString wide = Utf8ToWide(text);
  return std::wstring(reinterpret_cast<const wchar_t*>(wide.c_str()), wide.size());
}

bool IsFolder(const String& path) {
  const DWORD attributes = GetFileAttributesW(WideOf(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

String NameOf(String path) {
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  const auto slash = path.find_last_of("\\/");
  return slash == String::npos ? path : path.substr(slash + 1);
}

String ClockNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
  return text;
}

String OneLine(String text) {
  for (char& ch : text) {
    if (ch == '\r' || ch == '\n') ch = ' ';
  }
  return text;
}

}  // namespace

void TGalleryForm::SizeStatusPanels() {
  for (int i = 0; i < static_cast<int>(std::size(kPanelWidths)); ++i)
    StatusBar1->Panels()->Items(i)->SetWidth(kPanelWidths[i]);
}

void TGalleryForm::OpenSource(const String& path) {
  if (IsFolder(path)) {
    OpenFolder(path);
  } else {
    LoadPackage(path);
  }
}

void TGalleryForm::MenuOpenFolderClick(TObject*) {
  const String folder = PickFolder(Handle(), L"打开皮肤文件夹");
  if (!folder.empty()) OpenFolder(folder);
}

void TGalleryForm::LoadPackage(const String& path) {
  // A refused package was reported in a box and changes nothing.
  if (!SwitchSkinPackageFile(*SkinData1, path).Done()) return;
  StopWatching();
  ShowWorn(path);
  ListUnreadableImages();
}

// A folder that cannot skin yet is watched all the same: the author's next
// good save applies.
void TGalleryForm::OpenFolder(const String& folder) {
  StopWatching();
  folder_ = folder;
  watch_ = std::make_unique<TFolderWatch>(WideOf(folder), Handle(), WM_SKINFOLDERCHANGED);
  readRetries_ = kReadRetries;
  bool readFailed = false;
  const std::string reason = ApplyFolder(readFailed);
  if (reason.empty()) return;
  ShowNotApplied(reason);
  ShowSkinRefusal(kUnusableFolder + folder + "\r" + reason);
}

void TGalleryForm::FolderChanged() {
  if (!folder_.empty()) SetTimer(Handle(), kReloadTimer, kQuietMs, nullptr);
}

// No box here: the author is saving in an editor, and the status bar says
// why the save was not applied while the last good skin stays.
void TGalleryForm::ReloadFolder() {
  KillTimer(Handle(), kReloadTimer);
  if (folder_.empty()) return;
  bool readFailed = false;
  const std::string reason = ApplyFolder(readFailed);
  if (reason.empty()) {
    readRetries_ = kReadRetries;
    return;
  }
  ShowNotApplied(reason);
  if (readFailed && readRetries_-- > 0) SetTimer(Handle(), kReloadTimer, kQuietMs, nullptr);
}

std::string TGalleryForm::ApplyFolder(bool& readFailed) {
  const TSkinFolderPackage packed = PackSkinFolder(TWinSkinFolder(folder_));
  readFailed = packed.readFailed;
  if (packed.package.empty()) return packed.refusal;
  const TSkinSwitch result = SwitchSkinPackage(*SkinData1, packed.package);
  if (!result.Done()) return result.reason.empty() ? kDamagedPackage : result.reason;
  // The switch leaves the re-skin to the manager's timer; the author has
  // waited the quiet time already.
  if (TSkinManage* manager = TSkinManage::Instance()) manager->RunPendingCommand();
  ShowWorn(folder_);
  ShowFindings(packed.package);
  ListUnreadableImages();
  return {};
}

// What skinpack check says of the folder just applied: a fault the engine
// forgives (an unknown key, a clamped value) is still the author's to see.
void TGalleryForm::ShowFindings(std::span<const std::uint8_t> package) {
  TSkinReader reader;
  if (!reader.Load(package)) return;
  const std::vector<TSkinFinding> findings = FindSkinPackageFaults(reader);
  if (findings.empty()) return;
  const String first = OneLine(FormatSkinFinding(findings.front()));
  StatusBar1->Panels()->Items(kReasonPanel)->SetText(std::to_string(findings.size()) + " 个问题: " + first);
}

void TGalleryForm::StopWatching() {
  KillTimer(Handle(), kReloadTimer);
  watch_.reset();
  folder_.clear();
}

void TGalleryForm::ShowWorn(const String& source) {
  TStatusPanels& panels = *StatusBar1->Panels();
  panels.Items(kNamePanel)->SetText("皮肤: " + NameOf(source));
  panels.Items(kTimePanel)->SetText("载入于 " + ClockNow());
  panels.Items(kSourcePanel)->SetText(source);
  panels.Items(kReasonPanel)->SetText("");
}

void TGalleryForm::ShowNotApplied(const std::string& reason) {
  StatusBar1->Panels()
      ->Items(kReasonPanel)
      ->SetText("未应用 (" + ClockNow() + "): " + OneLine(reason));
}
