#include "gallery/SkinPackageSwitch.h"

#include <windows.h>

#include <string>

#include "skin/data/SkinRefusal.h"
#include "skin/data/WinSkinData.h"
#include "skin/read/SkinRead.h"
#include "toolkit/core/Streams.h"

namespace {

constexpr char kUnreadableFile[] = "无法打开皮肤文件:\r";
constexpr char kDamagedPackage[] = "皮肤包已损坏, 无法读取:\r";

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
  skinData.SetSkinFile(path);
  return !skinData.SkinPending();
}
