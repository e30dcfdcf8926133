#pragma once
// The header block of a mail or a body part, and the body after it, as
// views into the mail's bytes.

#include <optional>
#include <string_view>
#include <vector>

namespace vorenta {

struct HeaderField {
  std::string_view name;
  std::string_view value;  // as in the mail: folded, line breaks and all
};

struct HeaderBlock {
  std::vector<HeaderField> fields;
  std::string_view body;
};

// Splits at the first empty line (CR LF, LF or CR line ends); without one
// the header runs to the end. A line that is neither a field nor a
// continuation (starting with a space or tab) ends the header early and
// begins the body. An mbox "From " line before the header is skipped.
HeaderBlock ReadHeaderBlock(std::string_view bytes);

// Like ReadHeaderBlock, for a whole mail, which may be plain text with no
// header at all: a header that names none of the fields mail headers
// always have counts as no header, and all the bytes are the body.
HeaderBlock ReadMailHeaderBlock(std::string_view bytes);

// The value of the first field of that name (any case).
std::optional<std::string_view> FindField(const HeaderBlock& block, std::string_view name);

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace vorenta
