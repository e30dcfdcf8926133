#pragma once
// An Outlook item (.msg) as the mail pane shows it: the same header lines as
// a mail file, then its body, HTML laid out with its link addresses.

#include <string_view>

#include "core/ansi_codec.h"
#include "mail/charsets.h"
#include "mail/mime_mail.h"
#include "mail/outlook_item.h"

namespace vorenta {

// Bytes in a Windows code page as the items name them (932, 50220, 51932,
// 65001, 1200, 1252 ...); a code page not among them is read as unlabelled
// text.
DecodedText DecodeCodePage(int code_page, std::string_view bytes, const AnsiCodec& cp932);

struct OutlookMailText {
  MailText mail;
  // The item has a body only as compressed RTF that could not be read.
  bool body_unreadable = false;
};

// Times are shown at the given offset from UTC, the user's.
OutlookMailText ReadOutlookMail(const ItemStorage& storage, const AnsiCodec& cp932,
                                int utc_offset_minutes);

}  // namespace vorenta
