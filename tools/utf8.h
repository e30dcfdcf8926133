#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vorenta::tools {

// Strict UTF-8 to UTF-16: nullopt for any invalid sequence (overlong forms,
// surrogates, code points past U+10FFFF, truncated sequences).
std::optional<std::u16string> DecodeUtf8(std::string_view bytes);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view text);

}  // namespace vorenta::tools
