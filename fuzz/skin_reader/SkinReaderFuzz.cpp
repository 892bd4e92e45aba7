// A skin package as the program loads it. The first byte chooses how the
// rest is taken: even, as a compressed package; odd, as an expanded container
// that is compressed first, so mutations reach the container checks directly.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"
#include "tools/skinpack/LzhEncoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::span<const uint8_t> rest(data + 1, size - 1);
  std::vector<uint8_t> package;
  if (data[0] & 1) {
    package = LzhCompress(rest);
  } else {
    package.assign(rest.begin(), rest.end());
  }

  TSkinReader reader;
  int refusals = 0;
  reader.SetOnRefusal([&refusals](const std::string&) { ++refusals; });
  const bool loaded = reader.Load(package);
  if (loaded && refusals != 0) std::abort();
  if (reader.Count() > TSkinReader::kMaxEntries) std::abort();

  std::vector<uint8_t> entry;
  std::string found;
  reader.FindEntry(".ini", entry, found);
  TQuickIni ini;
  ini.LoadFromStream(&entry);
  ini.ReadString("Form", "Title", "");
  // A few lookups are enough; each one scans every name.
  const size_t lookups = std::min<size_t>(reader.Names().size(), 32);
  for (size_t i = 0; i < lookups; ++i) {
    reader.GetEntry(reader.Names()[i], entry);
    if (entry.size() > reader.Data().size()) std::abort();
  }
  return 0;
}
