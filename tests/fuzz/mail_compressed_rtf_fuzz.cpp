// Compressed RTF: any bytes either give nullopt or RTF no longer than the
// header's raw size (itself under the cap), a MELA value giving a prefix of
// its content; and any bytes compressed by the test compressor come back.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "mail/compressed_rtf.h"
#include "mail/lzfu_compressor.h"

using namespace vorenta;

namespace {

// Enough to cross control bytes and overlapping references while the
// quadratic test compressor stays fast.
constexpr size_t kRoundTripBytes = 256;

std::uint32_t Le32(std::string_view bytes, size_t at) {
  std::uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) {
    value |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
  }
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const auto rtf = DecompressRtf(bytes)) {
    FUZZ_CHECK(bytes.size() >= 16);
    const std::uint32_t raw_size = Le32(bytes, 4);
    FUZZ_CHECK(raw_size <= kMaxRtfRawSize && rtf->size() <= raw_size);
    const std::string_view type = bytes.substr(8, 4);
    FUZZ_CHECK(type == "LZFu" || type == "MELA");
    if (type == "MELA") FUZZ_CHECK(bytes.substr(16, rtf->size()) == *rtf);
  }

  const std::string_view raw = bytes.substr(0, kRoundTripBytes);
  const auto back = DecompressRtf(testing_lzfu::CompressLzfu(raw));
  FUZZ_CHECK(back.has_value() && *back == raw);
  return 0;
}
