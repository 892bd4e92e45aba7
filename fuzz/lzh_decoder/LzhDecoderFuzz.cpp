// Any bytes as a compressed stream: the decoder must stay inside its buffers,
// never write more than the declared size plus one match tail, and give the
// very bytes of the plain classic decoder, by either of its two roads (whole
// buffer, or a byte source and sink).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "bench/host/lzh_decoder/ClassicLzhDecoder.h"
#include "skin/read/Lzh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> input(data, size);
  try {
    const std::vector<uint8_t> out = LzhExpand(input);
    const int32_t declared = static_cast<int32_t>(
        static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
        static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24);
    if (out.size() > LzhOutputLimit(declared)) std::abort();
    if (declared > 0 && out.size() < static_cast<size_t>(declared)) std::abort();
    if (out != ClassicLzhExpand(input)) std::abort();

    std::vector<uint8_t> streamed;
    TLzhMemorySource source(input.subspan(4));
    TLzhBufferSink sink(streamed, LzhOutputLimit(declared));
    TLZH().Unpack(declared, source, sink);
    if (streamed != out) std::abort();
  } catch (const ElzhException&) {
  }
  return 0;
}
