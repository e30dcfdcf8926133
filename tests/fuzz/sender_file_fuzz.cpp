// The user's sender file on any bytes: every row read is safe to put on a
// command line, and a row appended reads back as the last row.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz_check.h"
#include "settings/sender_file.h"

using namespace vorenta;

namespace {

bool SafeOnACommandLine(const std::u16string& page) {
  for (char16_t c : page) {
    if (c <= u' ' || c == u'"' || c >= 0x7F) return false;
  }
  return page.rfind(u"http://", 0) == 0 || page.rfind(u"https://", 0) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::unique_ptr<AnsiCodec> codec = MakeSystemAnsiCodec();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto rows = ReadSenderFile(bytes, *codec);
  FUZZ_CHECK(rows.size() <= kMaxSenderRows);
  for (const SenderRow& row : rows) {
    FUZZ_CHECK(SafeOnACommandLine(row.page));
    FUZZ_CHECK(IsStorableSenderKey(row.key));
  }
  const SenderRow added{u"news@shop.example.jp>", u"https://shop.example.jp/new/"};
  if (const auto appended = AppendSenderRow(bytes, added, *codec, u"header")) {
    const auto again = ReadSenderFile(*appended, *codec);
    // Within the size cap the new row is read back last.
    if (appended->size() <= kMaxSenderFileBytes && again.size() < kMaxSenderRows) {
      FUZZ_CHECK(!again.empty() && again.back() == added);
    }
  }
  return 0;
}
