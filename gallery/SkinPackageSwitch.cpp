#include "gallery/SkinPackageSwitch.h"

#include <windows.h>

#include <string>

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

}  // namespace

bool SwitchSkinPackage(TSkinData& skinData, const String& path) {
  // The skin data clears its stored package before it reads the new file,
  // so a bad file would leave it with no package and its skin pending.
  TMemoryStream bytes;
  try {
    bytes.LoadFromFile(path);
  } catch (const EFOpenError&) {
    ShowSkinRefusal(kUnreadableFile + path);
    return false;
  }
  TSkinReader scratch;
  bool told = false;
  scratch.SetOnRefusal([&told](const std::string& message) {
    told = true;
    ShowSkinRefusal(message);
  });
  if (!scratch.Load(bytes.Bytes())) {
    // Bytes the decoder cannot expand get no text from the reader; the
    // user still hears why nothing changed.
    if (!told) ShowSkinRefusal(kDamagedPackage + path);
    return false;
  }
  // A description that cannot skin anything would leave windows without
  // caption or frame; the skin data checks the same before it reads one.
  TQuickIni ini;
  if (const std::string refusal = CheckSkinDescription(scratch, ini); !refusal.empty()) {
    ShowSkinRefusal(kUnusablePackage + path + "\r" + refusal);
    return false;
  }
  skinData.SetSkinFile(path);
  return !skinData.SkinPending();
}
