// A keyword list read from any bytes, as a text file and as a keyword file
// from another PC: it never crashes; a plain text never gives an empty
// keyword or one with a line end in it; and whatever it reads, the writer writes so
// that it reads back the same under the same name.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz_check.h"
#include "settings/keyword_import.h"

using namespace vorenta;

namespace {

void ReadAndRewrite(std::u16string_view name, const std::string& bytes, const AnsiCodec& cp932) {
  const KeywordImport read = ReadKeywordImport(name, bytes, cp932);
  if (!read.readable) return;
  const KeywordImport again =
      ReadKeywordImport(name, WriteKeywordExport(name, read.keywords, cp932), cp932);
  FUZZ_CHECK(again.readable);
  FUZZ_CHECK(again.keywords == read.keywords);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::unique_ptr<AnsiCodec> cp932 = MakeCodePage932Codec();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ReadAndRewrite(u"C:\\k.txt", bytes, *cp932);
  ReadAndRewrite(u"C:\\SMdata1.dat", bytes, *cp932);
  // Behind a first line no file begins with, the bytes are plain text.
  const KeywordImport plain = ReadKeywordImport(u"k.txt", "x\n" + bytes, *cp932);
  for (const std::u16string& keyword : plain.keywords) {
    FUZZ_CHECK(!keyword.empty());
    FUZZ_CHECK(keyword.find_first_of(u"\r\n") == std::u16string::npos);
  }
  return 0;
}
