// How a mail reaches the pane: pasted text, pasted or dropped HTML with its
// link addresses, and files dropped from Explorer.

#include <algorithm>

#include "mail/mail_file.h"
#include "ui/texts.h"
#include "ui/window_logic.h"

namespace vorenta {

void WindowLogic::PasteText() {
  // A clipboard held by another program is not an empty mail: keep the pane.
  p_.clipboard.UseText([this](std::u16string_view text) { ShowMail(text); });
}

void WindowLogic::PasteWithLinks() {
  std::optional<std::u16string> text;
  const bool opened = p_.clipboard.UseHtml([&](std::optional<std::string_view> html) {
    if (html) text = TextOfHtmlFormat(*html);
  });
  if (!opened) return;
  if (text) {
    ShowMail(*text);
  } else {
    PasteText();
  }
}

bool WindowLogic::AcceptsMailPaneDrop(const DropData& data) const {
  const std::vector<std::u16string> files = data.FileNames();
  if (files.empty()) return data.OffersText();
  return std::any_of(files.begin(), files.end(), [](const std::u16string& name) {
    return MailFileKindOf(name) != MailFileKind::kUnknown;
  });
}

void WindowLogic::OnMailPaneDrop(const DropData& data) {
  const std::vector<std::u16string> files = data.FileNames();
  if (!files.empty()) {
    OpenMailFile(files);
    return;
  }
  if (options_.html_links) {
    if (const std::optional<std::string> html = data.Html()) {
      if (const std::optional<std::u16string> text = TextOfHtmlFormat(*html)) {
        ShowMail(*text);
        return;
      }
    }
  }
  if (const auto text = data.Text()) ShowMail(*text);
}

void WindowLogic::OpenMailFile(const std::vector<std::u16string>& file_names) {
  // The first file the pane reads: a user who dropped a picture with a mail
  // means the mail.
  const auto readable = std::find_if(file_names.begin(), file_names.end(), [](const auto& name) {
    return MailFileKindOf(name) != MailFileKind::kUnknown;
  });
  if (readable == file_names.end()) {
    p_.dialogs.Inform(texts::MailFileOfUnknownKind(file_names.front()));
    return;
  }
  // One byte past the limit tells a file that is too large.
  const FileContent file = p_.files.ReadStart(*readable, kMaxMailFileBytes + 1);
  if (file.status != ReadStatus::kOk) {
    const std::uint32_t error =
        file.status == ReadStatus::kMissing ? kErrorFileNotFound : file.error;
    p_.dialogs.Inform(texts::MailFileNotRead(*readable, error, p_.files.ErrorText(error)));
    return;
  }
  if (file.bytes.size() > kMaxMailFileBytes) {
    p_.dialogs.Inform(texts::MailFileTooLarge(*readable, kMaxMailFileBytes));
    return;
  }
  ShowMail(MailTextOfFile(MailFileKindOf(*readable), file.bytes, p_.cp932).text);
}

}  // namespace vorenta
