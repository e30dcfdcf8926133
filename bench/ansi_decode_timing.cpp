// How long the ANSI codec takes to decode text that is invalid byte after
// byte (5 MiB of 0xA0, a byte that starts no code page 932 character) and
// text that alternates valid and invalid bytes. Prints one line per input.

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "core/ansi_codec.h"

namespace {

void Time(const char* name, const std::string& bytes, const vorenta::AnsiCodec& codec) {
  const auto start = std::chrono::steady_clock::now();
  const vorenta::AnsiText decoded = codec.Decode(bytes);
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("%-28s %9zu bytes  %9zu units  %8.3f s\n", name, bytes.size(), decoded.text.size(),
              seconds.count());
}

}  // namespace

int main() {
  const auto codec = vorenta::MakeSystemAnsiCodec();
  constexpr size_t kFiveMiB = 5 * 1024 * 1024;
  Time("0xA0 x 5 MiB", std::string(kFiveMiB, '\xA0'), *codec);
  std::string alternating;
  while (alternating.size() < kFiveMiB) alternating += "a\xA0";
  Time("'a' 0xA0 alternating, 5 MiB", alternating, *codec);
  return 0;
}
