// The keyword file reader on any bytes, as a plain file in the code page,
// as UTF-8, and as a marked file: it never fails, and whatever it reads,
// the writer writes so that it reads back the same.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz_check.h"
#include "settings/keyword_file.h"
#include "core/utf8.h"

using namespace vorenta;

namespace {

void ReadAndRewrite(const std::string& bytes, const AnsiCodec& codec) {
  const KeywordFileContent content = ReadKeywordFile(bytes, codec);
  const KeywordFileContent again =
      ReadKeywordFile(WriteKeywordFile(content.keywords, codec), codec);
  FUZZ_CHECK(!again.lossy);
  FUZZ_CHECK(again.keywords == content.keywords);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::unique_ptr<AnsiCodec> codec = MakeSystemAnsiCodec();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string marker = EncodeUtf8(kKeywordFileMarker);
  ReadAndRewrite(bytes, *codec);
  ReadAndRewrite(std::string(kUtf8Bom) + bytes, *codec);
  ReadAndRewrite(std::string(kUtf8Bom) + marker + "\r\n" + bytes, *codec);
  return 0;
}
