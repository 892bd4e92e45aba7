// How long the main window's skin takes to load at start, and where the
// time goes: the whole layout read of the skin data component, then the
// package expansion alone and the description reading alone.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "skin/data/WinSkinData.h"
#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"
#include "tests/win32/skin_data/SkinDataLayoutBytes.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/Streams.h"

namespace {

constexpr int kRuns = 40;

std::vector<std::uint8_t> ReadFile(const char* path) {
  TMemoryStream stream;
  stream.LoadFromFile(path);
  const auto bytes = stream.Bytes();
  return {bytes.begin(), bytes.end()};
}

void Report(const char* what, const std::function<void()>& run) {
  run();  // warm-up: first-use costs (fonts, GDI caches) are not the load's
  std::vector<double> ms;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-44s median %7.3f ms  min %7.3f  max %7.3f  (%d runs)\n", what, ms[ms.size() / 2],
              ms.front(), ms.back(), kRuns);
}

}  // namespace

int main() {
  const std::vector<std::uint8_t> skinStream = ReadFile(TAPVANE_SKIN_STREAM);
  const std::vector<std::uint8_t> layout = SkinDataLayoutBytes("TComponent", skinStream);
  const std::span<const std::uint8_t> package(skinStream.data() + 4, skinStream.size() - 4);
  std::printf("skin stream %zu bytes (package %zu)\n", skinStream.size(), package.size());

  bool parsed = true;
  Report("layout read (stream, expand, parse, records)", [&] {
    TComponent root(nullptr);
    TMemoryStream stream;
    stream.WriteBuffer(layout.data(), static_cast<int64_t>(layout.size()));
    stream.SetPosition(0);
    TReader reader(stream);
    reader.ReadRootComponent(&root);
    const auto* data = dynamic_cast<TSkinData*>(root.FindComponent("SkinData1"));
    parsed = parsed && data && !data->SkinPending() && data->Active();
  });

  Report("package expansion and split (TSkinReader)", [&] {
    TSkinReader reader;
    parsed = parsed && reader.Load(package);
  });

  TSkinReader reader;
  reader.Load(package);
  std::vector<std::uint8_t> description;
  std::string name;
  reader.FindEntry(".ini", description, name);
  TQuickIni ini;
  ini.LoadFromStream(&description);
  TSkinData data(nullptr);
  Report("description to records and derived images", [&] {
    data.ReadSkin(ini, [&reader](std::string_view entry, std::vector<std::uint8_t>& bytes) {
      reader.GetEntry(entry, bytes);
    });
  });

  if (!parsed || data.SkinPending()) {
    std::printf("the skin did not load\n");
    return 1;
  }
  return 0;
}
