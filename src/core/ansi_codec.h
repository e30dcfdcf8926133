#pragma once
// Conversion between UTF-16 text and the system's ANSI code page (932 on the
// systems the tool is made for). Windows uses CP_ACP; native builds use code
// page 932 through iconv.

#include <memory>
#include <string>

namespace vorenta {

struct AnsiBytes {
  std::string bytes;
  bool lossy = false;  // some character had no form in the code page
};

struct AnsiText {
  std::u16string text;
  bool lossy = false;  // some bytes were not valid in the code page
};

class AnsiCodec {
 public:
  virtual ~AnsiCodec() = default;
  virtual AnsiBytes Encode(const std::u16string& text) const = 0;
  virtual AnsiText Decode(const std::string& bytes) const = 0;
};

// The codec of this build: CP_ACP on Windows, code page 932 elsewhere.
std::unique_ptr<AnsiCodec> MakeSystemAnsiCodec();
// Code page 932 whatever the system's code page is.
std::unique_ptr<AnsiCodec> MakeCodePage932Codec();

}  // namespace vorenta
