// Outlook items: the input is cut into streams of a fake storage, each a
// name byte (which stream; with the high bit set, an RTF stream is first
// compressed by the test compressor, so that the fuzzer reaches the RTF
// reader past the CRC), a 16-bit length and the bytes. Any storage is read
// without fault, with a body kind that agrees with the body and the RTF
// failure flag, and its time formats as a date.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "mail/lzfu_compressor.h"
#include "mail/outlook_item.h"

using namespace vorenta;

namespace {

constexpr std::u16string_view kNames[] = {
    u"__properties_version1.0", u"__substg1.0_0037001F", u"__substg1.0_0037001E",
    u"__substg1.0_0C1A001F",    u"__substg1.0_0C1E001F", u"__substg1.0_0C1F001E",
    u"__substg1.0_5D01001F",    u"__substg1.0_5D02001E", u"__substg1.0_0064001E",
    u"__substg1.0_0065001F",    u"__substg1.0_10130102", u"__substg1.0_1013001F",
    u"__substg1.0_1000001F",    u"__substg1.0_1000001E", u"__substg1.0_10090102",
};
constexpr size_t kRtfName = 14;
constexpr size_t kCompressedBytes = 256;

class FuzzStorage : public ItemStorage {
 public:
  std::optional<std::string> Stream(std::u16string_view name) const override {
    const auto found = streams_.find(std::u16string(name));
    if (found == streams_.end()) return std::nullopt;
    return found->second;
  }
  std::map<std::u16string, std::string> streams_;
};

std::u16string Latin1(int /*code_page*/, std::string_view bytes) {
  std::u16string text;
  for (const char c : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(c));
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  FuzzStorage storage;
  int utc_offset = 0;
  if (!input.empty()) {
    utc_offset = (static_cast<unsigned char>(input[0]) - 128) * 15;
    input.remove_prefix(1);
  }
  while (input.size() >= 3) {
    const auto selector = static_cast<unsigned char>(input[0]);
    const size_t length =
        static_cast<unsigned char>(input[1]) | (static_cast<unsigned char>(input[2]) << 8);
    input.remove_prefix(3);
    std::string bytes(input.substr(0, length));
    input.remove_prefix(std::min(length, input.size()));
    const size_t name = (selector & 0x7F) % std::size(kNames);
    if (name == kRtfName && (selector & 0x80) != 0) {
      bytes = testing_lzfu::CompressLzfu(std::string_view(bytes).substr(0, kCompressedBytes));
    }
    storage.streams_[std::u16string(kNames[name])] = std::move(bytes);
  }

  const OutlookItem item = ReadOutlookItem(storage, Latin1);
  if (item.rtf_failed) FUZZ_CHECK(item.body_kind == OutlookItem::BodyKind::kNone);
  if (item.body_kind == OutlookItem::BodyKind::kNone) FUZZ_CHECK(item.body.empty());
  if (item.time) {
    FUZZ_CHECK(*item.time != 0);
    const std::u16string text = FormatFileTime(*item.time, utc_offset);
    FUZZ_CHECK(text.size() >= 16 && text[text.size() - 6] == u' ' &&
               text[text.size() - 3] == u':' && text[text.size() - 9] == u'/' &&
               text[text.size() - 12] == u'/');
  }
  return 0;
}
