// UTF-8 both ways: any UTF-16 text, unpaired surrogates included, survives
// encoding and decoding; decoding any bytes never fails, and what it gives
// survives the same round trip.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "core/utf8.h"

using namespace vorenta;

namespace {

void CheckRoundTrip(const std::u16string& text) {
  const Utf8Text back = DecodeUtf8(EncodeUtf8(text));
  FUZZ_CHECK(!back.lossy);
  FUZZ_CHECK(back.text == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Utf8Text decoded = DecodeUtf8(bytes);
  FUZZ_CHECK(decoded.text.size() <= bytes.size());
  FUZZ_CHECK(decoded.lossy || decoded.text.find(u'\uFFFD') == std::u16string::npos ||
             bytes.find("\xEF\xBF\xBD") != std::string_view::npos);
  CheckRoundTrip(decoded.text);

  fuzz::FuzzInput raw(data, size);
  CheckRoundTrip(raw.RawUnits());
  return 0;
}
