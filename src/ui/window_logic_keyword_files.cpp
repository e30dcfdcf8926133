// Keyword lists written to a file and read from files: a backup, a move to
// another PC, a merge of two lists.

#include "core/mail_text.h"
#include "settings/keyword_import.h"
#include "ui/texts.h"
#include "ui/window_logic.h"

namespace vorenta {

void WindowLogic::ExportKeywords() {
  const std::optional<std::u16string> path =
      p_.dialogs.ChooseFileToSave(texts::ExportKeywordsQuestion());
  if (!path) return;
  const FileResult result = p_.files.Replace(*path, WriteKeywordExport(*path, keywords_, p_.cp932));
  if (!result) {
    p_.dialogs.Inform(
        texts::KeywordsNotExported({*path, result.error, p_.files.ErrorText(result.error)}));
    return;
  }
  p_.dialogs.Inform(texts::KeywordsExported(*path, static_cast<int>(keywords_.size())));
}

void WindowLogic::ImportKeywords() {
  const std::optional<std::u16string> path =
      p_.dialogs.ChooseFileToOpen(texts::ImportKeywordsQuestion());
  if (path) ImportKeywordFiles({*path});
}

bool WindowLogic::AcceptsKeywordListDrop(const DropData& data) const {
  return !data.FileNames().empty();
}

void WindowLogic::OnKeywordListDrop(const DropData& data) {
  const std::vector<std::u16string> files = data.FileNames();
  if (!files.empty()) ImportKeywordFiles(files);
}

std::optional<std::vector<std::u16string>> WindowLogic::ReadKeywordSource(
    const std::u16string& path) {
  // One byte past the limit tells a file that is too large.
  const FileContent file = p_.files.ReadStart(path, kMaxKeywordImportBytes + 1);
  if (file.status != ReadStatus::kOk) {
    const std::uint32_t error =
        file.status == ReadStatus::kMissing ? kErrorFileNotFound : file.error;
    p_.dialogs.Inform(texts::KeywordSourceNotRead(path, error, p_.files.ErrorText(error)));
    return std::nullopt;
  }
  if (file.bytes.size() > kMaxKeywordImportBytes) {
    p_.dialogs.Inform(texts::KeywordSourceTooLarge(path, kMaxKeywordImportBytes));
    return std::nullopt;
  }
  KeywordImport imported = ReadKeywordImport(path, file.bytes, p_.cp932);
  if (!imported.readable) {
    p_.dialogs.Inform(texts::KeywordSourceNotText(path));
    return std::nullopt;
  }
  return std::move(imported.keywords);
}

void WindowLogic::ImportKeywordFiles(const std::vector<std::u16string>& paths) {
  std::vector<std::u16string> read_from;
  std::vector<std::u16string> incoming;
  for (const std::u16string& path : paths) {
    std::optional<std::vector<std::u16string>> keywords = ReadKeywordSource(path);
    if (!keywords) continue;
    read_from.push_back(path);
    incoming.insert(incoming.end(), std::make_move_iterator(keywords->begin()),
                    std::make_move_iterator(keywords->end()));
  }
  if (read_from.empty()) return;
  const std::vector<std::u16string> added = KeywordsToAdd(keywords_, incoming);
  if (!added.empty()) {
    keywords_.insert(keywords_.end(), added.begin(), added.end());
    // In one go: a long list item by item is slow to paint.
    ItemLines lines(keywords_);
    p_.keyword_list.ReplaceItems(lines);
    KeywordsChanged();
  }
  p_.dialogs.Inform(texts::KeywordsImported(read_from, static_cast<int>(added.size()),
                                            static_cast<int>(incoming.size() - added.size())));
}

}  // namespace vorenta
