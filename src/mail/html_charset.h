#pragma once
// The charset an HTML document names for itself.

#include <optional>
#include <string_view>

#include "mail/charsets.h"

namespace vorenta {

// The charset of <meta charset="..."> or of <meta http-equiv="Content-Type"
// content="text/html; charset=...">, whichever comes first in the first
// 4096 bytes; attributes in any order and case, quoted or not, comments
// skipped. A label this program cannot read counts as none. A document
// whose bytes could be read to find the tag is not UTF-16, whatever it
// says: UTF-16 labels give UTF-8, as browsers read them.
std::optional<Charset> FindHtmlMetaCharset(std::string_view bytes);

}  // namespace vorenta
