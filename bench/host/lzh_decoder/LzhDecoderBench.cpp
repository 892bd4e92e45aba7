// Our LZH expansion against the classic decoder, on the program's skin
// package and on a large mixed input, timed in the same run:
//   lzh_decoder_bench [SKIN_PACKAGE]
// Both decoders must give the same bytes before any figure is printed.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "bench/host/lzh_decoder/ClassicLzhDecoder.h"
#include "bench/host/lzh_decoder/MixedInput.h"
#include "skin/read/Lzh.h"
#include "tools/skinpack/LzhEncoder.h"

namespace {

using Decoder = std::function<std::vector<uint8_t>(std::span<const uint8_t>)>;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The machine is shared with other builds, so the time that counts is the
// processor time of this thread, not the wall clock.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Seconds per decoding, taken over enough repetitions to last `budget`.
double TimeOnce(const Decoder& decode, std::span<const uint8_t> stream, double budget) {
  const double start = ThreadSeconds();
  int runs = 0;
  double elapsed = 0;
  do {
    const std::vector<uint8_t> out = decode(stream);
    if (out.empty()) std::abort();
    ++runs;
    elapsed = ThreadSeconds() - start;
  } while (elapsed < budget);
  return elapsed / runs;
}

// Alternates the two decoders so that both see the same machine load, and
// reports the medians of each (output bytes per second of processor time).
bool Compare(const std::string& what, std::span<const uint8_t> stream,
             const std::vector<uint8_t>* original) {
  const std::vector<uint8_t> ours = LzhExpand(stream);
  const std::vector<uint8_t> classic = ClassicLzhExpand(stream);
  if (ours != classic || (original != nullptr && ours != *original)) {
    std::fprintf(stderr, "lzh_decoder_bench: %s: the decoders disagree\n", what.c_str());
    return false;
  }
  constexpr int kRounds = 15;
  constexpr double kBudget = 0.1;
  std::vector<double> oursSeconds, classicSeconds;
  for (int round = 0; round < kRounds; ++round) {
    oursSeconds.push_back(TimeOnce(LzhExpand, stream, kBudget));
    classicSeconds.push_back(TimeOnce(ClassicLzhExpand, stream, kBudget));
  }
  const double megabytes = static_cast<double>(ours.size()) / 1e6;
  const double oursRate = megabytes / Median(oursSeconds);
  const double classicRate = megabytes / Median(classicSeconds);
  std::printf("%s: %zu bytes compressed, %zu bytes expanded\n", what.c_str(), stream.size(),
              ours.size());
  std::printf(
      "BENCH | LZH expansion, %s | %.2fx classic (%.0f MB/s vs %.0f MB/s) | classic decoder "
      "| >= 2x\n",
      what.c_str(), oursRate / classicRate, oursRate, classicRate);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const char* packagePath = argc > 1 ? argv[1] : TAPVANE_SKIN_PACKAGE;
  std::ifstream in(packagePath, std::ios::binary);
  const std::vector<uint8_t> package{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
  if (package.empty()) {
    std::fprintf(stderr, "lzh_decoder_bench: cannot read %s\n", packagePath);
    return 1;
  }
  std::printf("times: processor time of this thread, median of 15 alternating rounds\n");
  const std::vector<uint8_t> mixed = MakeMixedInput(12 << 20);
  const std::vector<uint8_t> mixedStream = LzhCompress(mixed);
  bool same = Compare("skin package", package, nullptr);
  same = Compare("12 MB mixed", mixedStream, &mixed) && same;
  return same ? 0 : 1;
}
