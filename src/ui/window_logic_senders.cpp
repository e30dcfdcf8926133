// Registering the sender of the mail now shown.

#include "core/sender_pages.h"
#include "ui/texts.h"
#include "ui/window_logic.h"

namespace vorenta {

bool WindowLogic::SenderRegistrable() const {
  // An address typed by hand, or left in the box from an earlier mail, would
  // tie this sender to another shop's page.
  const std::u16string address = p_.address_box.Text();
  return !address_from_mail_.empty() && address == address_from_mail_ &&
         user_senders_.CanRegister(p_.mail_pane.ItemText(0), address);
}

void WindowLogic::RegisterSender() {
  if (!SenderRegistrable()) return;
  const std::u16string first_line = p_.mail_pane.ItemText(0);
  const std::u16string page = p_.address_box.Text();
  if (!p_.dialogs.Ask(texts::ConfirmSenderRegistration(SenderKeyOf(first_line), page))) return;
  user_senders_.Register(first_line, page);
}

}  // namespace vorenta
