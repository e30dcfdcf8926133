#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vorenta::tools {

// Strict UTF-8 to UTF-16: nullopt for any invalid sequence (overlong forms,
// surrogates, code points past U+10FFFF, truncated sequences). The keyword
// file's decoder is lenient on purpose; input to the driver must be exact.
std::optional<std::u16string> DecodeUtf8(std::string_view bytes);

}  // namespace vorenta::tools
