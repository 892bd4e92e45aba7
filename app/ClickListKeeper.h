// Keeps the click list, the period and the action in the list file: restores
// them at start, writes them after every change and at exit, and tells the
// user once about a damaged file or one it cannot write.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/ClickListFields.h"
#include "app/WindowProcHook.h"
#include "toolkit/core/SysUtils.h"

namespace app {

// Posted to the list box by the keeper itself: write the file now (the
// changes of one handler are written once).
inline constexpr UINT WM_SAVECLICKLIST = WM_APP + 0x22;
// Posted to the list box at start: show the report of the file just read,
// once the window is up.
inline constexpr UINT WM_SHOWCLICKLISTREPORT = WM_APP + 0x23;

class TClickListKeeper {
 public:
  using TWarn = std::function<void(const String& text)>;
  TClickListKeeper(const TClickListFields& fields, std::wstring path, TWarn warn);
  ~TClickListKeeper();
  TClickListKeeper(const TClickListKeeper&) = delete;
  TClickListKeeper& operator=(const TClickListKeeper&) = delete;

  // Reads the file into the fields (a missing file leaves them as they are).
  void Load();
  // Writes what is not written yet, telling no one (the program is ending).
  void Flush();
  const std::wstring& Path() const { return path_; }

 private:
  void ListMessage(TMessage& message, const TWndMethod& previous);
  void Changed();
  // 0 or the system's error code.
  DWORD Save(bool tellFailure);
  void Restore(const TClickListReading& reading);
  void ReportDamage(const TClickListReading& reading);
  void ReportLater(const String& text);

  TClickListFields fields_;
  std::wstring path_;
  TWarn warn_;
  std::unique_ptr<TWindowProcHook> listHook_;
  String report_;
  bool loading_ = false;
  bool dirty_ = false;
  bool savePosted_ = false;
  // Not after a read failed or a damaged file could not be set aside: the
  // file on disk would be replaced by less than it holds.
  bool mayWrite_ = true;
  bool failureTold_ = false;
};

}  // namespace app
