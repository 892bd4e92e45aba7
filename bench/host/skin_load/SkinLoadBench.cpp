// Loading a skin package the way the program does at start-up: expand it,
// split it into entries, parse its description and fetch every image.
//   skin_load_bench [PACKAGE] [benchmark flags]
// Without a package a synthetic one of the real package's size is used.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/host/skin_load/SyntheticSkin.h"
#include "skin/read/Lzh.h"
#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"

namespace {

std::vector<uint8_t> gPackage;

void BM_ExpandPackage(benchmark::State& state) {
  size_t expanded = 0;
  for (auto _ : state) {
    std::vector<uint8_t> out;
    TSkinReader::Expand(gPackage, out);
    expanded = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * expanded));
}

void BM_LoadSkin(benchmark::State& state) {
  size_t expanded = 0;
  for (auto _ : state) {
    TSkinReader reader;
    if (!reader.Load(gPackage)) {
      state.SkipWithError("package refused");
      return;
    }
    std::vector<uint8_t> entry;
    std::string iniName;
    reader.FindEntry(".ini", entry, iniName);
    TQuickIni ini;
    ini.LoadFromStream(&entry);
    std::vector<std::string> sections;
    ini.ReadSections(&sections);
    for (const std::string& name : reader.Names()) {
      reader.GetEntry(name, entry);
      benchmark::DoNotOptimize(entry.data());
    }
    expanded = reader.Data().size();
    benchmark::DoNotOptimize(sections.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * expanded));
}

BENCHMARK(BM_ExpandPackage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadSkin)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc > 1) {
    std::ifstream in(argv[1], std::ios::binary);
    gPackage.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.is_open() || gPackage.empty()) {
      std::fprintf(stderr, "skin_load_bench: cannot read %s\n", argv[1]);
      return 1;
    }
  } else {
    gPackage = MakeSyntheticSkinPackage();
  }
  TSkinReader reader;
  if (!reader.Load(gPackage)) {
    std::fprintf(stderr, "skin_load_bench: the package is refused\n");
    return 1;
  }
  std::printf("package: %zu bytes compressed, %zu bytes expanded, %d entries\n", gPackage.size(),
              LzhExpand(gPackage).size(), reader.Count());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
