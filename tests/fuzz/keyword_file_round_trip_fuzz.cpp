// Any list of keywords reads back unchanged from what the writer writes,
// and a list that the plain form carries keeps the plain form's bytes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "settings/keyword_file.h"
#include "core/utf8.h"

using namespace vorenta;

namespace {

using Keywords = std::vector<std::u16string>;

// The plain form as the writer made it before the marked form existed.
std::string PlainFormBytes(const Keywords& keywords, const AnsiCodec& codec) {
  std::u16string text;
  for (const auto& keyword : keywords) text += KeywordLine(keyword) + u"\r\n";
  if (text.empty()) return {};
  const AnsiBytes ansi = codec.Encode(text);
  return ansi.lossy ? std::string(kUtf8Bom) + EncodeUtf8(text) : ansi.bytes;
}

// What a reader without the marked form makes of the bytes.
Keywords ReadPlainForm(const std::string& bytes, const AnsiCodec& codec) {
  const std::string_view view(bytes);
  if (view.starts_with(kUtf8Bom)) {
    return ReadKeywordFields(DecodeUtf8(view.substr(kUtf8Bom.size())).text);
  }
  return ReadKeywordFields(codec.Decode(bytes).text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::unique_ptr<AnsiCodec> codec = MakeSystemAnsiCodec();
  fuzz::FuzzInput input(data, size);
  const Keywords keywords = input.Keywords(64);

  const std::string bytes = WriteKeywordFile(keywords, *codec);
  const KeywordFileContent content = ReadKeywordFile(bytes, *codec);
  FUZZ_CHECK(!content.lossy);
  FUZZ_CHECK(content.keywords == keywords);

  // A UTF-8 plain file whose first line is the marker is the one list that
  // older readers carry and this one does not.
  const std::string plain = PlainFormBytes(keywords, *codec);
  const bool plain_utf8_starts_with_marker = std::string_view(plain).starts_with(kUtf8Bom) &&
                                             !keywords.empty() &&
                                             keywords.front() == kKeywordFileMarker;
  if (ReadPlainForm(plain, *codec) == keywords && !plain_utf8_starts_with_marker) {
    FUZZ_CHECK(bytes == plain);
  }
  return 0;
}
