// How long composing a 347 x 455 window border takes, stretched and tiled,
// from a two-frame border image with caption-sized top margin. Prints the
// median, fastest and slowest call over a fixed number of runs, and a BENCH
// row of the median for scripts/bench.sh.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "skin/draw/FramedImage.h"

namespace {

constexpr int kRuns = 300;
constexpr RECT kWindow{0, 0, 347, 455};
constexpr RECT kMargins{8, 30, 8, 8};

// Two 64 x 64 frames with a different colour in every slice, so the copies
// move real pixels.
void MakeBorder(TBitmap& border) {
  border.SetSize(128, 64);
  for (int y = 0; y < 64; ++y) {
    auto* row = static_cast<std::uint8_t*>(border.ScanLine(y));
    for (int x = 0; x < 128; ++x) {
      row[4 * x] = static_cast<std::uint8_t>(x * 2);
      row[4 * x + 1] = static_cast<std::uint8_t>(y * 4);
      row[4 * x + 2] = static_cast<std::uint8_t>((x + y) & 0xFF);
    }
  }
}

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return 1e6 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

void Measure(const char* name, TBitmap& border, bool tile) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  // A few calls first so the first allocation of DCs and sections is not counted.
  for (int i = 0; i < 5; ++i) ComposeFramedImage(kWindow, border, kMargins, false, tile, 2, 1);
  std::vector<double> times;
  times.reserve(kRuns);
  std::uint64_t check = 0;
  for (int i = 0; i < kRuns; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    const auto image = ComposeFramedImage(kWindow, border, kMargins, false, tile, 2, 1 + i % 2);
    QueryPerformanceCounter(&end);
    times.push_back(Microseconds(start, end, frequency));
    check += *static_cast<const std::uint8_t*>(image->ScanLine(200));
  }
  std::sort(times.begin(), times.end());
  std::printf(
      "ComposeFramedImage %dx%d %-9s median %8.1f us  min %8.1f us  max %8.1f us  (%d runs, check "
      "%llu)\n",
      static_cast<int>(kWindow.right), static_cast<int>(kWindow.bottom), name,
      times[times.size() / 2], times.front(), times.back(), kRuns,
      static_cast<unsigned long long>(check));
  // A border is composed when a window is sized or restyled; the anchor is
  // the frame time of a 60 Hz screen, which a resize drag should keep to.
  std::printf(
      "BENCH | ComposeFramedImage, %dx%d window border, %s, median of %d | %.1f us | one 60 Hz "
      "frame: 16667 us (%.1f %% of it) | -\n",
      static_cast<int>(kWindow.right), static_cast<int>(kWindow.bottom), name, kRuns,
      times[times.size() / 2], 100.0 * times[times.size() / 2] / 16667.0);
}

}  // namespace

int main() {
  TBitmap border;
  MakeBorder(border);
  Measure("stretched", border, false);
  Measure("tiled", border, true);
  return 0;
}
