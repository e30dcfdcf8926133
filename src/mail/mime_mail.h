#pragma once
// A mail file (.eml, RFC 5322 with MIME) as the lines the mail pane shows:
// the header lines a Japanese mail program shows, an empty line, and the
// body the mail program would show.

#include <functional>
#include <string>
#include <string_view>

#include "core/ansi_codec.h"

namespace vorenta {

// Turns an HTML document into its lines, joined by CR LF.
using HtmlToTextFunction = std::function<std::u16string(std::u16string_view html)>;

struct MailText {
  std::u16string text;            // the pane's lines, joined by CR LF
  std::u16string sender_address;  // the From: address itself, without name or <>; empty when none
};

// Never fails: bytes that do not decode become U+FFFD and the rest of the
// mail still shows. The body is, for
//   multipart/alternative: the last HTML alternative (a multipart/related
//     with an HTML root counts as one), else the last plain text one;
//   multipart/related: its root (the start parameter's part, else the first);
//   other multiparts: each inline text/plain and text/html part in order,
//     an empty line between them, nested multiparts likewise;
//   message/rfc822 parts, attached or not: an empty line, their header
//     lines, an empty line and their body.
// Attachments are skipped without being decoded. Nesting deeper than 32
// levels and parts past the 1000th are not read.
MailText ReadMimeMail(std::string_view bytes, const AnsiCodec& cp932,
                      const HtmlToTextFunction& html_to_text);

// The fields shown above a mail's body; an empty one is not shown.
struct MailHeaderFields {
  std::u16string from, subject, date;
};

// Appends "差出人: …", "件名: …" and "日付: …" for the fields given, then the
// empty line that parts them from the body, to text that holds lines joined
// by CR LF (none when empty). Appends nothing when every field is empty.
// The body's lines follow with a CR LF before each.
void AppendMailHeaderLines(std::u16string& text, const MailHeaderFields& fields);

}  // namespace vorenta
