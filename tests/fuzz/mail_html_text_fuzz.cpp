// HTML to lines on any input, read as UTF-8 or as raw UTF-16 units: lines
// are joined by CR LF and hold no CR or LF of their own, no empty line
// starts or ends the text, the text is at most three units per input unit
// (links copy their addresses, which a hostile mail could repeat), and
// text without markup comes out as a browser collapses it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/utf8.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "mail/html_text.h"

using namespace vorenta;

namespace {

void CheckLines(const std::u16string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r') FUZZ_CHECK(i + 1 < text.size() && text[i + 1] == u'\n');
    if (text[i] == u'\n') FUZZ_CHECK(i > 0 && text[i - 1] == u'\r');
  }
  FUZZ_CHECK(text.substr(0, 2) != u"\r\n");
  FUZZ_CHECK(text.size() < 2 || text.substr(text.size() - 2) != u"\r\n");
}

bool IsCollapsible(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r';
}

// Text with neither '<' nor '&': one line, spaces collapsed and trimmed,
// NUL dropped, no-break spaces kept as plain spaces.
std::u16string CollapsedPlainText(const std::u16string& input) {
  std::u16string out;
  bool space = false;
  for (char16_t c : input) {
    if (IsCollapsible(c)) {
      space = !out.empty();
    } else if (c != 0) {
      if (space) out += u' ';
      space = false;
      out += c == u'\u00A0' ? u' ' : c;
    }
  }
  return out;
}

void Check(const std::u16string& html) {
  const std::u16string text = HtmlToText(html);
  CheckLines(text);
  FUZZ_CHECK(text.size() <= 3 * html.size());
  if (html.find_first_of(u"<&") == std::u16string::npos) {
    FUZZ_CHECK(text == CollapsedPlainText(html));
  } else if (html.find(u'<') == std::u16string::npos) {
    FUZZ_CHECK(text.find(u'\r') == std::u16string::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  if (data[0] % 2 == 0) {
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    Check(DecodeUtf8(bytes).text);
  } else {
    fuzz::FuzzInput input(data + 1, size - 1);
    Check(input.RawUnits());
  }
  return 0;
}
