#include "ui/user_senders.h"

#include "settings/sender_file.h"
#include "ui/texts.h"

namespace vorenta {

UserSenders::UserSenders(SettingsStore& settings, Dialogs& dialogs)
    : settings_(settings), dialogs_(dialogs) {}

void UserSenders::Load() { rows_ = settings_.LoadSenderRows(); }

std::u16string UserSenders::PageFor(const std::u16string& key) const {
  return FindSenderPageForKey(key, rows_);
}

bool UserSenders::CanRegister(const std::u16string& key, const std::u16string& page) const {
  return IsStorableSenderKey(key) && IsAcceptableSenderPage(page) && PageFor(key).empty();
}

void UserSenders::Register(const std::u16string& key, const std::u16string& page) {
  if (!CanRegister(key, page)) return;
  const SenderRow row{key, page};
  const SaveOutcome outcome = settings_.AppendSenderRow(row, texts::kSenderFileHeader);
  if (!outcome) {
    dialogs_.Inform(texts::SendersNotSaved(
        {outcome.path, outcome.result.error, settings_.ErrorText(outcome.result)}));
    return;
  }
  rows_.push_back(row);
  dialogs_.Inform(texts::SenderRegistered(row.key, row.page, outcome.path));
}

}  // namespace vorenta
