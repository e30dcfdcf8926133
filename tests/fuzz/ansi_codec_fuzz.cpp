// The code page 932 codec both ways: decoding any bytes gives what the
// byte-by-byte reference gives, and text that encodes without loss
// decodes back to itself.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/ansi_codec.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "platform/codec/reference_cp932_decode.h"

using namespace vorenta;

namespace {

void CheckEncode(const std::u16string& text, const AnsiCodec& codec) {
  const AnsiBytes encoded = codec.Encode(text);
  if (encoded.lossy) return;
  const AnsiText decoded = codec.Decode(encoded.bytes);
  FUZZ_CHECK(!decoded.lossy);
  FUZZ_CHECK(decoded.text == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::unique_ptr<AnsiCodec> codec = MakeSystemAnsiCodec();
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const AnsiText decoded = codec->Decode(bytes);
  const AnsiText expected = reference::DecodeCp932ByteByByte(bytes);
  FUZZ_CHECK(decoded.text == expected.text);
  FUZZ_CHECK(decoded.lossy == expected.lossy);
  CheckEncode(decoded.text, *codec);

  fuzz::FuzzInput input(data, size);
  CheckEncode(input.Text(size), *codec);
  fuzz::FuzzInput raw(data, size);
  CheckEncode(raw.RawUnits(), *codec);
  return 0;
}
