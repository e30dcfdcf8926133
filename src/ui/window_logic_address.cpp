// Opening the address box's address in the user's browser: only an address
// that a sender row could hold, so that nothing but a web page is started.

#include "settings/sender_file.h"
#include "ui/texts.h"
#include "ui/window_logic.h"

namespace vorenta {

namespace {

std::u16string TrimmedSpaces(const std::u16string& text) {
  const auto first = text.find_first_not_of(u" \t\u3000");
  if (first == std::u16string::npos) return {};
  return text.substr(first, text.find_last_not_of(u" \t\u3000") - first + 1);
}

}  // namespace

void WindowLogic::OnAddressBoxKey(int key_code, int shift) {
  if (key_code == kKeyEnter && shift == 0) OpenAddress();
}

void WindowLogic::OpenAddress() {
  const std::u16string address = TrimmedSpaces(p_.address_box.Text());
  if (address.empty()) return;
  if (!address.starts_with(u"http://") && !address.starts_with(u"https://")) {
    p_.dialogs.Inform(texts::AddressNotWeb(address));
    return;
  }
  if (!IsAcceptableSenderPage(address)) {
    p_.dialogs.Inform(texts::AddressNotValid(address));
    return;
  }
  if (!p_.process.OpenWithDefaultBrowser(address)) {
    p_.dialogs.Inform(texts::BrowserNotStarted(address));
  }
}

}  // namespace vorenta
