#pragma once
// Code page 932 as this build decodes it: iconv natively, Windows' own under
// Wine.

#include "core/ansi_codec.h"

namespace vorenta::test {

inline const AnsiCodec& Cp932() {
  static const auto codec = MakeSystemAnsiCodec();
  return *codec;
}

}  // namespace vorenta::test
