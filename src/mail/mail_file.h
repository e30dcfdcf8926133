#pragma once
// Files the mail pane reads, by their kind: what a file's bytes show.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ansi_codec.h"
#include "mail/mime_mail.h"

namespace vorenta {

enum class MailFileKind { kUnknown, kText, kHtml, kMimeMail, kOutlookItem };

// Files past this size are refused rather than read into memory.
inline constexpr std::size_t kMaxMailFileBytes = 64u << 20;

// By the name's extension, in any case: .txt, .htm, .html, .eml, .msg.
MailFileKind MailFileKindOf(std::u16string_view file_name);

// The index of the first name of a kind the pane reads, or -1.
int FirstReadable(const std::vector<std::u16string>& file_names);

// The pane's lines for the file's bytes: a text file's lines, whether they
// end in CR LF, LF or CR (its encoding found from a byte-order mark, else
// UTF-8 when the bytes are valid UTF-8, else code page 932); an HTML file as a browser lays it out,
// link addresses written beside their text; a mail (.eml) with its header
// lines and the body its mail program would show, and the sender's address.
// Outlook items need their storage: see outlook_mail.h.
MailText MailTextOfFile(MailFileKind kind, std::string_view bytes, const AnsiCodec& cp932);

// The pane's lines for the bytes of a clipboard's or a drag's "HTML Format";
// nullopt when they are not in that format.
std::optional<std::u16string> TextOfHtmlFormat(std::string_view data);

}  // namespace vorenta
