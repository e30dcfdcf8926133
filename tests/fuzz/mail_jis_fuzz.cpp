// ISO-2022-JP and EUC-JP on any bytes: never longer than the input, lossy
// exactly when a U+FFFD was written, and the one codec call for all
// two-byte characters gives what decoding each on its own gives.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ansi_codec.h"
#include "fuzz_check.h"
#include "mail/euc_jp.h"
#include "mail/iso_2022_jp.h"

using namespace vorenta;

namespace {

// Code page 932 that answers only for one character at a time, so the
// decoders fall back to decoding each pair on its own.
class OneCharacterCodec : public AnsiCodec {
 public:
  explicit OneCharacterCodec(const AnsiCodec& codec) : codec_(codec) {}
  AnsiBytes Encode(const std::u16string& text) const override { return codec_.Encode(text); }
  AnsiText Decode(const std::string& bytes) const override {
    if (bytes.size() > 2) return {};
    return codec_.Decode(bytes);
  }

 private:
  const AnsiCodec& codec_;
};

template <typename Decode>
void Check(std::string_view bytes, const AnsiCodec& codec, const AnsiCodec& one_at_a_time,
           Decode decode) {
  const DecodedText text = decode(bytes, codec);
  FUZZ_CHECK(text.text.size() <= bytes.size());
  FUZZ_CHECK(text.lossy == (text.text.find(u'\uFFFD') != std::u16string::npos));
  const DecodedText slow = decode(bytes, one_at_a_time);
  FUZZ_CHECK(slow.text == text.text);
  FUZZ_CHECK(slow.lossy == text.lossy);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const auto codec = MakeSystemAnsiCodec();
  static const OneCharacterCodec one_at_a_time(*codec);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Check(bytes, *codec, one_at_a_time, DecodeIso2022Jp);
  Check(bytes, *codec, one_at_a_time, DecodeEucJp);
  return 0;
}
