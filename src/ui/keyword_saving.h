#pragma once
// Keeps the keyword file in step with the list on screen: it is saved after
// every edit, a failed save is told (once, until a save succeeds again), and
// a close with changes that could not be saved lets the user choose.

#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "ui/platform.h"
#include "ui/texts.h"

namespace vorenta {

class KeywordSaving {
 public:
  KeywordSaving(SettingsStore& settings, Dialogs& dialogs);

  void AfterEdit(const std::vector<std::u16string>& keywords);

  // Saves at close. When the list on screen is not what the file holds, the
  // user may save again, close without saving or stay; false means stay.
  // Without `may_ask` (Windows is ending the session) it saves once and
  // never waits for the user.
  bool MayClose(const std::vector<std::u16string>& keywords, bool edited, bool may_ask);

  // The last save failed: the file does not hold the list on screen.
  bool Unsaved() const { return unsaved_; }

 private:
  SaveOutcome Save(const std::vector<std::u16string>& keywords, bool edited, bool may_tell);
  texts::SaveFailure Failure(const SaveOutcome& outcome) const;

  SettingsStore& settings_;
  Dialogs& dialogs_;
  bool unsaved_ = false;
  bool failure_told_ = false;
};

}  // namespace vorenta
