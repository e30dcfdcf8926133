#include "ui/keyword_saving.h"

#include "ui/texts.h"

namespace vorenta {

namespace {

enum CloseChoice { kSaveAgain, kCloseWithoutSaving, kDoNotClose };

}  // namespace

KeywordSaving::KeywordSaving(SettingsStore& settings, Dialogs& dialogs)
    : settings_(settings), dialogs_(dialogs) {}

texts::SaveFailure KeywordSaving::Failure(const SaveOutcome& outcome) const {
  return {outcome.path, outcome.result.error, settings_.ErrorText(outcome.result)};
}

SaveOutcome KeywordSaving::Save(const std::vector<std::u16string>& keywords, bool edited,
                                bool may_tell) {
  const SaveOutcome outcome = settings_.SaveKeywords(keywords, edited);
  if (!outcome.kept_aside_as.empty() && may_tell) {
    dialogs_.Inform(texts::UnreadableKeywordFileKept(outcome.path, outcome.kept_aside_as));
  }
  return outcome;
}

void KeywordSaving::AfterEdit(const std::vector<std::u16string>& keywords) {
  const SaveOutcome outcome = Save(keywords, /*edited=*/true, /*may_tell=*/true);
  if (outcome) {
    unsaved_ = false;
    failure_told_ = false;
    return;
  }
  unsaved_ = true;
  if (failure_told_) return;
  failure_told_ = true;
  dialogs_.Inform(texts::KeywordsNotSaved(Failure(outcome)));
}

bool KeywordSaving::MayClose(const std::vector<std::u16string>& keywords, bool edited,
                             bool may_ask) {
  for (;;) {
    const SaveOutcome outcome = Save(keywords, edited, may_ask);
    if (outcome) unsaved_ = false;
    // Nothing is lost when the file already holds the list.
    if (outcome || !unsaved_ || !may_ask) return true;
    const int choice = dialogs_.Choose(
        texts::UnsavedKeywordsAtClose(Failure(outcome)),
        {texts::kChoiceSaveAgain, texts::kChoiceCloseWithoutSaving, texts::kChoiceDoNotClose});
    if (choice == kCloseWithoutSaving) return true;
    if (choice != kSaveAgain) return false;
  }
}

}  // namespace vorenta
