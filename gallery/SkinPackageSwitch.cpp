#include "gallery/SkinPackageSwitch.h"

#include <windows.h>

#include "skin/data/SkinDescriptionCheck.h"
#include "skin/data/SkinRefusal.h"
#include "skin/data/WinSkinData.h"
#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"
#include "toolkit/core/Streams.h"

namespace {

constexpr char kUnreadableFile[] = "无法打开皮肤文件:\r";
constexpr char kDamagedPackage[] = "皮肤包已损坏, 无法读取:\r";
constexpr char kUnusablePackage[] = "皮肤包无法使用:\r";

// Reads the package with a scratch reader and checks its description, as
// the skin data will; nothing is shown and nothing switched.
TSkinSwitch CheckPackage(std::span<const std::uint8_t> package) {
  TSkinSwitch result;
  TSkinReader scratch;
  scratch.SetOnRefusal([&result](const std::string& message) {
    result.outcome = TSkinSwitch::ReaderRefused;
    result.reason = message;
  });
  if (!scratch.Load(package)) return result;
  // A description that cannot skin anything would leave windows without
  // caption or frame; the skin data checks the same before it reads one.
  TQuickIni ini;
  result.reason = CheckSkinDescription(scratch, ini);
  result.outcome = result.reason.empty() ? TSkinSwitch::Switched : TSkinSwitch::Unusable;
  return result;
}

void ShowRefusal(const TSkinSwitch& result, const String& path) {
  switch (result.outcome) {
    case TSkinSwitch::Damaged:
      // Bytes the decoder cannot expand get no text from the reader; the
      // user still hears why nothing changed.
      ShowSkinRefusal(kDamagedPackage + path);
      break;
    case TSkinSwitch::ReaderRefused:
      ShowSkinRefusal(result.reason);
      break;
    case TSkinSwitch::Unusable:
      ShowSkinRefusal(kUnusablePackage + path + "\r" + result.reason);
      break;
    case TSkinSwitch::Switched:
      break;
  }
}

}  // namespace

// The skin data clears its stored package before it reads a new one, so a
// bad one would leave it with no package and its skin pending: it gets
// only packages the check accepted.
TSkinSwitch SwitchSkinPackage(TSkinData& skinData, std::span<const std::uint8_t> package) {
  TSkinSwitch result = CheckPackage(package);
  if (result.Done() && !skinData.TakePackage(package)) result.outcome = TSkinSwitch::Damaged;
  return result;
}

TSkinSwitch SwitchSkinPackageFile(TSkinData& skinData, const String& path) {
  TMemoryStream bytes;
  try {
    bytes.LoadFromFile(path);
  } catch (const EFOpenError&) {
    ShowSkinRefusal(kUnreadableFile + path);
    return {};
  }
  TSkinSwitch result = CheckPackage(bytes.Bytes());
  if (!result.Done()) {
    ShowRefusal(result, path);
    return result;
  }
  skinData.SetSkinFile(path);
  if (skinData.SkinPending()) result.outcome = TSkinSwitch::Damaged;
  return result;
}
