// Header text on any bytes: one line, never longer than the raw value; the
// mailbox reader never fails and finds addresses without line breaks.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ansi_codec.h"
#include "fuzz_check.h"
#include "mail/encoded_words.h"
#include "mail/mailbox_list.h"

using namespace vorenta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const auto codec = MakeSystemAnsiCodec();
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  const std::u16string text = DecodeHeaderText(raw, *codec);
  FUZZ_CHECK(text.find_first_of(u"\r\n") == std::u16string::npos);
  FUZZ_CHECK(text.size() <= size);
  for (const Mailbox& mailbox : ParseMailboxList(raw, *codec)) {
    FUZZ_CHECK(!mailbox.name.empty() || !mailbox.address.empty());
    FUZZ_CHECK(mailbox.name.find_first_of(u"\r\n") == std::u16string::npos);
    FUZZ_CHECK(mailbox.address.find_first_of(u"\r\n") == std::u16string::npos);
    FUZZ_CHECK(mailbox.name.size() + mailbox.address.size() <= size);
  }
  return 0;
}
