#include "mail/outlook_mail.h"

#include "core/utf8.h"
#include "mail/html_text.h"
#include "mail/mailbox_list.h"
#include "mail/pane_lines.h"

namespace vorenta {

namespace {

std::optional<Charset> CharsetOfCodePage(int code_page) {
  switch (code_page) {
    case 932:
      return Charset::kShiftJis;
    case 50220:
    case 50221:
    case 50222:
      return Charset::kIso2022Jp;
    case 20932:
    case 51932:
      return Charset::kEucJp;
    case 65001:
      return Charset::kUtf8;
    case 1200:
      return Charset::kUtf16Le;
    case 1201:
      return Charset::kUtf16Be;
    case 20127:
      return Charset::kUsAscii;
    case 1252:
    case 28591:
      return Charset::kWindows1252;
  }
  return std::nullopt;
}

}  // namespace

DecodedText DecodeCodePage(int code_page, std::string_view bytes, const AnsiCodec& cp932) {
  if (const auto charset = CharsetOfCodePage(code_page)) return DecodeAs(*charset, bytes, cp932);
  return DecodeUnlabelled(bytes, cp932);
}

OutlookMailText ReadOutlookMail(const ItemStorage& storage, const AnsiCodec& cp932,
                                int utc_offset_minutes) {
  const CodePageDecoder decode = [&cp932](int code_page, std::string_view bytes) {
    return DecodeCodePage(code_page, bytes, cp932).text;
  };
  const OutlookItem item = ReadOutlookItem(storage, decode);
  OutlookMailText result;
  MailHeaderFields fields;
  fields.from = FormatMailbox({item.sender_name, item.sender_address});
  fields.subject = item.subject;
  if (item.time) fields.date = FormatFileTime(*item.time, utc_offset_minutes);
  std::u16string& text = result.mail.text;
  AppendMailHeaderLines(text, fields);
  PaneLines lines(text);
  if (item.body_kind == OutlookItem::BodyKind::kHtml) {
    lines.AddText(HtmlToText(item.body));
  } else if (item.body_kind == OutlookItem::BodyKind::kText) {
    lines.AddText(item.body);
  }
  result.mail.sender_address = item.sender_address;
  result.body_unreadable = item.rtf_failed;
  return result;
}

}  // namespace vorenta
