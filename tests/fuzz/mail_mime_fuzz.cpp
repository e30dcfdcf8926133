// The mail file reader on any bytes: it never fails, its text is lines
// joined by CR LF with no other CR or LF, and it stays in proportion to the
// mail.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ansi_codec.h"
#include "fuzz_check.h"
#include "mail/mime_mail.h"

using namespace vorenta;

namespace {

// HTML as it is, its line breaks of any kind made CR LF separators.
std::u16string HtmlAsLines(std::u16string_view html) {
  std::u16string lines;
  for (size_t i = 0; i < html.size(); ++i) {
    if (html[i] == u'\r' || html[i] == u'\n') {
      if (html[i] == u'\r' && i + 1 < html.size() && html[i + 1] == u'\n') ++i;
      lines += u"\r\n";
    } else {
      lines += html[i];
    }
  }
  return lines;
}

bool OnlyCrLfBreaks(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')) return false;
    if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const auto codec = MakeSystemAnsiCodec();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const MailText mail = ReadMimeMail(bytes, *codec, HtmlAsLines);
  FUZZ_CHECK(OnlyCrLfBreaks(mail.text));
  FUZZ_CHECK(mail.sender_address.find_first_of(u"\r\n") == std::u16string::npos);
  FUZZ_CHECK(mail.sender_address.size() <= size);
  // Each byte gives at most a character and a line break; each mail's
  // header labels take more bytes than they show.
  FUZZ_CHECK(mail.text.size() <= 3 * size + 32);
  return 0;
}
