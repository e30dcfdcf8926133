#include "mail/mail_file.h"

#include "core/utf8.h"
#include "mail/clipboard_html.h"
#include "mail/html_text.h"
#include "mail/pane_lines.h"
#include "mail/text_files.h"

namespace vorenta {

namespace {

bool EndsWithIgnoringCase(std::u16string_view name, std::u16string_view suffix) {
  if (name.size() < suffix.size()) return false;
  const std::u16string_view end = name.substr(name.size() - suffix.size());
  for (size_t i = 0; i < end.size(); ++i) {
    const char16_t c = end[i] >= u'A' && end[i] <= u'Z' ? end[i] - u'A' + u'a' : end[i];
    if (c != suffix[i]) return false;
  }
  return true;
}

}  // namespace

MailFileKind MailFileKindOf(std::u16string_view file_name) {
  if (EndsWithIgnoringCase(file_name, u".txt")) return MailFileKind::kText;
  if (EndsWithIgnoringCase(file_name, u".htm") || EndsWithIgnoringCase(file_name, u".html")) {
    return MailFileKind::kHtml;
  }
  if (EndsWithIgnoringCase(file_name, u".eml")) return MailFileKind::kMimeMail;
  if (EndsWithIgnoringCase(file_name, u".msg")) return MailFileKind::kOutlookItem;
  return MailFileKind::kUnknown;
}

int FirstReadable(const std::vector<std::u16string>& file_names) {
  for (size_t i = 0; i < file_names.size(); ++i) {
    if (MailFileKindOf(file_names[i]) != MailFileKind::kUnknown) return static_cast<int>(i);
  }
  return -1;
}

MailText MailTextOfFile(MailFileKind kind, std::string_view bytes, const AnsiCodec& cp932) {
  switch (kind) {
    case MailFileKind::kText: {
      // A file's lines end in CR LF, LF or CR, whichever program wrote it.
      std::u16string text;
      PaneLines(text).AddText(DecodeTextFile(bytes, cp932).text);
      return {std::move(text), {}};
    }
    case MailFileKind::kHtml:
      return {HtmlToText(DecodeHtmlFile(bytes, cp932).text), {}};
    case MailFileKind::kMimeMail:
      return ReadMimeMail(bytes, cp932, [](std::u16string_view html) { return HtmlToText(html); });
    case MailFileKind::kOutlookItem:
    case MailFileKind::kUnknown:
      break;
  }
  return {};
}

std::optional<std::u16string> TextOfHtmlFormat(std::string_view data) {
  const std::optional<std::string_view> fragment = ClipboardHtmlFragment(data);
  if (!fragment) return std::nullopt;
  return HtmlToText(DecodeUtf8(*fragment).text);
}

}  // namespace vorenta
