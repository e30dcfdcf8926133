// Registering the sender of the mail now shown.

#include "ui/texts.h"
#include "ui/window_logic.h"

namespace vorenta {

bool WindowLogic::SenderRegistrable() const {
  // An address typed by hand, or left in the box from an earlier mail, would
  // tie this sender to another shop's page.
  const std::u16string address = p_.address_box.Text();
  return !address_from_mail_.empty() && address == address_from_mail_ &&
         user_senders_.CanRegister(SenderKey(), address);
}

void WindowLogic::RegisterSender() {
  if (!SenderRegistrable()) return;
  const std::u16string key = SenderKey();
  const std::u16string page = p_.address_box.Text();
  if (!p_.dialogs.Ask(texts::ConfirmSenderRegistration(key, page))) return;
  user_senders_.Register(key, page);
}

}  // namespace vorenta
