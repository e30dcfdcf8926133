#pragma once
// The shops the user added, kept in step with the sender file: read at
// start, and one more row appended by the "register this sender" command.
// Senders are named by their keys (SenderKeyOf a mail's first line, or a
// mail file's From: address followed by '>').

#include <string>
#include <vector>

#include "core/sender_pages.h"
#include "settings/settings_store.h"
#include "ui/platform.h"

namespace vorenta {

class UserSenders {
 public:
  UserSenders(SettingsStore& settings, Dialogs& dialogs);

  void Load();

  // The page of the sender with this key: the built-in rows first, then the
  // user's.
  std::u16string PageFor(const std::u16string& key) const;

  // True when Register would store a row: the key names a sender no row
  // knows yet (another row for a known one would never be reached), the
  // file can hold the key, and the page passes the file's row check.
  bool CanRegister(const std::u16string& key, const std::u16string& page) const;

  // Appends the row to the file and to the rows in use, and tells the user
  // what was registered, or why it could not be.
  void Register(const std::u16string& key, const std::u16string& page);

  const std::vector<SenderRow>& rows() const { return rows_; }

 private:
  SettingsStore& settings_;
  Dialogs& dialogs_;
  std::vector<SenderRow> rows_;
};

}  // namespace vorenta
