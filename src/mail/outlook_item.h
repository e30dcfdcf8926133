#pragma once
// The properties of one Outlook item (.msg) that the mail pane shows, read
// through a small storage interface: the Win32 side opens the compound file
// and hands streams over; every decision about their bytes is made here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "mail/file_time.h"
#include "mail/rtf_body.h"

namespace vorenta {

class ItemStorage {  // the top-level storage of a .msg file
 public:
  virtual ~ItemStorage() = default;
  // The whole stream of that name at the top level, or nullopt when there is none (or it is too
  // large: the implementation caps).
  virtual std::optional<std::string> Stream(std::u16string_view name) const = 0;
};

struct OutlookItem {
  std::u16string sender_name, sender_address, subject;
  // FILETIME ticks (100 ns since 1601-01-01 UTC): delivery, else submit, else creation time.
  std::optional<std::int64_t> time;
  enum class BodyKind { kNone, kHtml, kText } body_kind = BodyKind::kNone;
  std::u16string body;      // decoded text of the HTML or the text body
  bool rtf_failed = false;  // only compressed RTF was there and it could not be read
};

// The code page of 8-bit strings when the item names none: the tool's users
// are Japanese, and an ANSI item without a code page most likely came from
// a Japanese Outlook.
inline constexpr int kItemFallbackCodePage = 932;

// Reads the item's properties; never fails, a missing or unreadable
// property stays empty.
//
// Code pages: 8-bit (001E) strings, the text body among them, use
// PidTagMessageCodepage, the code page of the item's non-Unicode strings,
// else PidTagInternetCodepage; the HTML body's bytes use
// PidTagInternetCodepage, which describes them, else UTF-8 when they are
// valid UTF-8, else PidTagMessageCodepage. All end at kItemFallbackCodePage.
//
// Body: PidTagHtml, else HTML encapsulated in PidTagRtfCompressed (through
// DecompressRtf and ReadRtfBody), else PidTagBody, else the RTF's text; an
// empty value counts as none. Sender address: the sender's SMTP address, else
// its e-mail address when its address type is SMTP, else the same two of
// the represented sender; an Exchange address is not shown. A time of 0
// counts as unset.
OutlookItem ReadOutlookItem(const ItemStorage& storage, const CodePageDecoder& decode);

}  // namespace vorenta
