// The clipboard's HTML header on any bytes: the part it picks is always a
// subrange of the data before its first NUL, and it converts to lines.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/utf8.h"
#include "fuzz_check.h"
#include "mail/clipboard_html.h"
#include "mail/html_text.h"

using namespace vorenta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto fragment = ClipboardHtmlFragment(bytes);
  if (!fragment) return 0;
  const size_t text_end = bytes.find('\0') == std::string_view::npos ? size : bytes.find('\0');
  FUZZ_CHECK(fragment->data() >= bytes.data());
  FUZZ_CHECK(fragment->data() + fragment->size() <= bytes.data() + text_end);
  const std::u16string text = HtmlToText(DecodeUtf8(*fragment).text);
  FUZZ_CHECK(text.size() <= 3 * fragment->size());
  return 0;
}
