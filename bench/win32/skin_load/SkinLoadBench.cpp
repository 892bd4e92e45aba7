// How long the main window's skin takes to load at start, and where the
// time goes: the whole layout read of the skin data component, then each
// share of it on its own (expansion, description parse, records with their
// bitmaps, derived images, the component itself).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/SkinDerivedImages.h"
#include "skin/data/SkinDescriptionReader.h"
#include "skin/data/WinSkinData.h"
#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"
#include "tests/win32/skin_data/SkinDataLayoutBytes.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/Streams.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr int kRuns = 40;
constexpr double kTargetMs = 5.0;

using TClock = std::chrono::steady_clock;

double MsSince(TClock::time_point start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

std::vector<std::uint8_t> ReadFile(const char* path) {
  TMemoryStream stream;
  stream.LoadFromFile(path);
  const auto bytes = stream.Bytes();
  return {bytes.begin(), bytes.end()};
}

double Median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

void Print(const char* what, const std::vector<double>& ms) {
  const auto [low, high] = std::minmax_element(ms.begin(), ms.end());
  std::printf("%-52s median %7.3f ms  min %7.3f  max %7.3f  (%zu runs)\n", what, Median(ms), *low,
              *high, ms.size());
}

// The run once untimed (first-use costs such as GDI caches are not the
// load's), then kRuns timed runs.
std::vector<double> Time(const std::function<void()>& run) {
  run();
  std::vector<double> ms;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = TClock::now();
    run();
    ms.push_back(MsSince(start));
  }
  return ms;
}

void Bench(const char* what, double ms, const std::string& anchor, const char* target) {
  std::printf("BENCH | %s | %.2f ms | %s | %s\n", what, ms, anchor.c_str(), target);
}

std::string Ms(const char* format, double ms) {
  char text[96];
  std::snprintf(text, sizeof text, format, ms);
  return text;
}

}  // namespace

int main() {
  const std::vector<std::uint8_t> skinStream = ReadFile(TAPVANE_SKIN_STREAM);
  const std::vector<std::uint8_t> layout = SkinDataLayoutBytes("TComponent", skinStream);
  const std::span<const std::uint8_t> package(skinStream.data() + 4, skinStream.size() - 4);
  std::printf("skin stream %zu bytes (package %zu)\n", skinStream.size(), package.size());

  bool parsed = true;
  const auto whole = Time([&] {
    TComponent root(nullptr);
    TMemoryStream stream;
    stream.WriteBuffer(layout.data(), static_cast<int64_t>(layout.size()));
    stream.SetPosition(0);
    TReader reader(stream);
    reader.ReadRootComponent(&root);
    const auto* data = dynamic_cast<TSkinData*>(root.FindComponent("SkinData1"));
    parsed = parsed && data && !data->SkinPending() && data->Active();
  });
  Print("layout read (stream, expand, parse, records)", whole);

  const auto component = Time([] { TSkinData data(nullptr); });
  Print("skin data component made and freed", component);

  const auto expansion = Time([&] {
    TSkinReader reader;
    parsed = parsed && reader.Load(package);
  });
  Print("package expansion and split (TSkinReader)", expansion);

  TSkinReader reader;
  reader.Load(package);
  std::vector<std::uint8_t> description;
  std::string name;
  reader.FindEntry(".ini", description, name);
  const auto parse = Time([&] {
    TQuickIni ini;
    ini.LoadFromStream(&description);
  });
  Print("description parse (TQuickIni)", parse);

  TQuickIni ini;
  ini.LoadFromStream(&description);
  const TSkinEntrySource entries = [&reader](std::string_view entry,
                                             std::vector<std::uint8_t>& bytes) {
    reader.GetEntry(entry, bytes);
  };
  const auto bitmaps = Time([&] {
    for (const std::string& file : reader.Names())
      if (file.ends_with(".bmp")) LoadSkinBitmap(file, entries);
  });
  Print("every package bitmap read into a TBitmap", bitmaps);

  const auto recordsOnly = Time([&] {
    TSkinElements skin;
    ReadSkinRecords(
        ini, [](std::string_view, std::vector<std::uint8_t>&) {}, skin, GetModuleHandleW(nullptr));
  });
  Print("description to records, no bitmaps (ini lookups)", recordsOnly);

  // In each run: the records, then the derived images made from them, timed
  // apart; then the component's whole ReadSkin (both, and the face brush).
  std::vector<double> records, derived, readSkin;
  TSkinData data(nullptr);
  for (int i = 0; i <= kRuns; ++i) {
    TSkinElements skin;
    const auto start = TClock::now();
    ReadSkinRecords(ini, entries, skin, GetModuleHandleW(nullptr));
    const double recordsMs = MsSince(start);
    const auto derivedStart = TClock::now();
    MakeDerivedImages(skin);
    const double derivedMs = MsSince(derivedStart);
    const auto dataStart = TClock::now();
    data.ReadSkin(ini, entries);
    const double readSkinMs = MsSince(dataStart);
    if (i == 0) continue;  // warm-up
    records.push_back(recordsMs);
    derived.push_back(derivedMs);
    readSkin.push_back(readSkinMs);
  }
  Print("description to records (with bitmaps)", records);
  Print("derived images", derived);
  Print("description to records and derived images", readSkin);

  const double wholeMs = Median(whole);
  const std::string ofWhole = Ms("whole load %.2f ms", wholeMs);
  Bench("skin load at start under Wine (layout read, median of 40)", wholeMs,
        Ms("- (fastest of the 40: %.2f ms)", *std::min_element(whole.begin(), whole.end())),
        "<= 5 ms");
  Bench("skin load share: skin data component made and freed", Median(component), ofWhole, "-");
  Bench("skin load share: package expansion (TSkinReader)", Median(expansion), ofWhole, "-");
  Bench("skin load share: description parse (TQuickIni)", Median(parse), ofWhole, "-");
  Bench("skin load share: description to records and derived images (ReadSkin)", Median(readSkin),
        ofWhole, "-");
  Bench("skin load share: description to records", Median(records), ofWhole, "-");
  Bench("skin load share: records' ini lookups alone (no bitmaps)", Median(recordsOnly), ofWhole,
        "-");
  Bench("skin load share: every package bitmap decoded into a DIB", Median(bitmaps), ofWhole, "-");
  Bench("skin load share: derived images", Median(derived), ofWhole, "-");

  if (!parsed || data.SkinPending()) {
    std::printf("the skin did not load\n");
    return 1;
  }
  return 0;
}
