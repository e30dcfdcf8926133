#pragma once
// The mail tests' decoder: 932 through the build's codec, 1252 as Latin-1
// (cases keep to bytes where they agree), any other code page as "<cp>" and
// Latin-1, so that a case sees which code page was asked for.

#include <memory>
#include <string>
#include <string_view>

#include "core/ansi_codec.h"
#include "mail/rtf_body.h"

namespace vorenta::testing_mail {

inline CodePageDecoder TestDecoder() {
  std::shared_ptr<AnsiCodec> codec = MakeSystemAnsiCodec();
  return [codec](int code_page, std::string_view bytes) {
    if (code_page == 932) return codec->Decode(std::string(bytes)).text;
    std::u16string text;
    if (code_page != 1252) {
      text += u'<';
      for (const char c : std::to_string(code_page)) text += static_cast<char16_t>(c);
      text += u'>';
    }
    for (const char c : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(c));
    return text;
  };
}

}  // namespace vorenta::testing_mail
