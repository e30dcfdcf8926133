// How a mail reaches the pane: pasted text, pasted or dropped HTML with its
// link addresses, files dropped from Explorer or copied there, and messages
// dragged out of a mail program.

#include "mail/mail_file.h"
#include "mail/outlook_mail.h"
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
    return;
  }
  // A mail file copied in Explorer.
  const std::vector<std::u16string> files = p_.clipboard.FileNames();
  if (FirstReadable(files) >= 0) {
    OpenMailFile(files);
    return;
  }
  PasteText();
}

bool WindowLogic::AcceptsMailPaneDrop(const DropData& data) const {
  const std::vector<std::u16string> files = data.FileNames();
  if (!files.empty()) return FirstReadable(files) >= 0;
  const std::vector<std::u16string> messages = data.MessageNames();
  if (!messages.empty()) return FirstReadable(messages) >= 0;
  return data.OffersText();
}

void WindowLogic::OnMailPaneDrop(const DropData& data) {
  const std::vector<std::u16string> files = data.FileNames();
  if (!files.empty()) {
    OpenMailFile(files);
    return;
  }
  const std::vector<std::u16string> messages = data.MessageNames();
  if (!messages.empty()) {
    OpenDraggedMessage(data, messages);
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
  const int readable = FirstReadable(file_names);
  if (readable < 0) {
    p_.dialogs.Inform(texts::MailFileOfUnknownKind(file_names.front()));
    return;
  }
  const std::u16string& path = file_names[static_cast<size_t>(readable)];
  if (MailFileKindOf(path) == MailFileKind::kOutlookItem) {
    std::uint32_t error = 0;
    const std::optional<ItemStreams> item = p_.outlook_items.Read(path, error);
    if (!item) {
      p_.dialogs.Inform(texts::MailFileNotRead(path, error, p_.files.ErrorText(error)));
      return;
    }
    ShowOutlookItem(path, *item);
    return;
  }
  // One byte past the limit tells a file that is too large.
  const FileContent file = p_.files.ReadStart(path, kMaxMailFileBytes + 1);
  if (file.status != ReadStatus::kOk) {
    const std::uint32_t error =
        file.status == ReadStatus::kMissing ? kErrorFileNotFound : file.error;
    p_.dialogs.Inform(texts::MailFileNotRead(path, error, p_.files.ErrorText(error)));
    return;
  }
  ShowMailFile(path, file.bytes);
}

void WindowLogic::OpenDraggedMessage(const DropData& data,
                                     const std::vector<std::u16string>& names) {
  const int readable = FirstReadable(names);
  if (readable < 0) {
    p_.dialogs.Inform(texts::MailFileOfUnknownKind(names.front()));
    return;
  }
  const std::optional<DraggedMessage> message = data.Message(readable);
  const std::u16string& name = names[static_cast<size_t>(readable)];
  if (!message) {
    p_.dialogs.Inform(texts::MailFileNotRead(name, 0, {}));
    return;
  }
  if (MailFileKindOf(name) == MailFileKind::kOutlookItem) {
    if (!message->item) {
      p_.dialogs.Inform(texts::MailFileNotRead(name, 0, {}));
      return;
    }
    ShowOutlookItem(name, *message->item);
    return;
  }
  ShowMailFile(name, message->bytes);
}

void WindowLogic::ShowMailFile(const std::u16string& name, const std::string& bytes) {
  if (bytes.size() > kMaxMailFileBytes) {
    p_.dialogs.Inform(texts::MailFileTooLarge(name, kMaxMailFileBytes));
    return;
  }
  MailText mail = MailTextOfFile(MailFileKindOf(name), bytes, p_.cp932);
  ShowMail(mail.text);
  mail_sender_address_ = std::move(mail.sender_address);
}

void WindowLogic::ShowOutlookItem(const std::u16string& name, const ItemStorage& item) {
  OutlookMailText mail = ReadOutlookMail(item, p_.cp932, p_.files.UtcOffsetMinutes());
  ShowMail(mail.mail.text);
  mail_sender_address_ = std::move(mail.mail.sender_address);
  if (mail.body_unreadable) p_.dialogs.Inform(texts::OutlookBodyNotRead(name));
}

}  // namespace vorenta
