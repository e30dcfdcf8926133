#include "settings/settings_store.h"

#include <algorithm>
#include <cstdio>

#include "platform/file_replace.h"
#include "settings/geometry_file.h"
#include "settings/keyword_file.h"
#include "settings/sender_file.h"

namespace vorenta {

namespace {

constexpr std::uint32_t kErrorNoFolder = 3;             // ERROR_PATH_NOT_FOUND
constexpr std::uint32_t kErrorOutOfMemory = 14;         // ERROR_OUTOFMEMORY
constexpr std::uint32_t kErrorFileTooLarge = 223;       // ERROR_FILE_TOO_LARGE
constexpr std::uint32_t kErrorNoUnicodeMapping = 1113;  // ERROR_NO_UNICODE_TRANSLATION
constexpr int kMaxKeptAsideAttempts = 100;

std::u16string Ascii(const char* text) {
  std::u16string out;
  for (; *text; ++text) out += static_cast<char16_t>(*text);
  return out;
}

// SMdata1.dat.unreadable-20261207-093000, then -2, -3 ... when that is taken.
std::u16string KeptAsideName(const std::u16string& path, const LocalTime& t, int attempt) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, ".unreadable-%04d%02d%02d-%02d%02d%02d", t.year, t.month,
                t.day, t.hour, t.minute, t.second);
  std::u16string name = path + Ascii(stamp);
  if (attempt > 1) {
    name += u'-';
    name += Ascii(std::to_string(attempt).c_str());
  }
  return name;
}

}  // namespace

SettingsStore::SettingsStore(Files& files, const AnsiCodec& codec) : files_(files), codec_(codec) {}

std::u16string SettingsStore::Folder() const {
  try {
    return files_.ExecutableFolder();
  } catch (...) {
    return {};
  }
}

std::u16string SettingsStore::PathOf(const char16_t* file_name) const {
  try {
    const std::u16string folder = Folder();
    // Without a folder the name would point at the root of the current drive.
    if (folder.empty()) return {};
    return folder + u"\\" + file_name;
  } catch (...) {
    return {};
  }
}

std::u16string SettingsStore::ErrorText(const FileResult& result) const {
  try {
    return files_.ErrorText(result.error);
  } catch (...) {
    return {};
  }
}

std::vector<std::u16string> SettingsStore::LoadKeywords() { return LoadKeywordFile().keywords; }

KeywordLoad SettingsStore::LoadKeywordFile() {
  keyword_file_unclean_ = false;
  KeywordLoad load;
  try {
    load.path = PathOf(kKeywordFileName);
    if (load.path.empty()) return load;
    const FileContent file = files_.Read(load.path);
    if (file.status == ReadStatus::kMissing) {
      RecoverKeywordFile(load);
      return load;
    }
    if (file.status != ReadStatus::kOk) {
      keyword_file_unclean_ = true;
      load.status = KeywordLoad::Status::kUnreadable;
      load.error = file.error;
      return load;
    }
    KeywordFileContent content = ReadKeywordFile(file.bytes, codec_);
    keyword_file_unclean_ = content.lossy;
    load.status = KeywordLoad::Status::kRead;
    load.keywords = std::move(content.keywords);
    RemoveLeftoversOfSaves();
  } catch (...) {
    // Out of memory for a huge file: as unreadable.
    keyword_file_unclean_ = true;
    load.status = KeywordLoad::Status::kUnreadable;
    load.keywords.clear();
  }
  return load;
}

bool SettingsStore::RecoverKeywordFile(KeywordLoad& load) {
  std::vector<FolderEntry> leftovers;
  for (FolderEntry& entry : files_.FilesStartingWith(Folder(), kKeywordFileName)) {
    if (LeftoverOf(entry.name, kKeywordFileName) != LeftoverKind::kNone) {
      leftovers.push_back(std::move(entry));
    }
  }
  std::stable_sort(leftovers.begin(), leftovers.end(),
                   [](const auto& a, const auto& b) { return a.modified > b.modified; });
  for (const FolderEntry& leftover : leftovers) {
    const std::u16string path = Folder() + u"\\" + leftover.name;
    const FileContent file = files_.Read(path);
    if (file.status != ReadStatus::kOk) continue;
    KeywordFileContent content = ReadKeywordFile(file.bytes, codec_);
    // A backup was a whole keyword file once. A temporary file may have
    // been cut short: only one that ends as the writer ends every file, and
    // reads cleanly, is taken. An empty one tells nothing.
    const bool complete = LeftoverOf(leftover.name, kKeywordFileName) == LeftoverKind::kBackup ||
                          (file.bytes.ends_with("\r\n") && !content.lossy);
    if (!complete) continue;
    load.status = KeywordLoad::Status::kRecovered;
    load.keywords = std::move(content.keywords);
    load.recovered_from = path;
    keyword_file_unclean_ = content.lossy;
    // Its bytes as they are: the list the user had, in the form it had.
    load.recovered_saved = static_cast<bool>(files_.Replace(load.path, file.bytes));
    if (load.recovered_saved) RemoveLeftoversOfSaves();
    return true;
  }
  return false;
}

void SettingsStore::RemoveLeftoversOfSaves() {
  const std::u16string folder = Folder();
  for (const char16_t* name :
       {kKeywordFileName, kGeometryFileName, kOptionsFileName, kSenderFileName}) {
    const std::vector<FolderEntry> found = files_.FilesStartingWith(folder, name);
    // Without the file itself, what its saves left may be all there is.
    const bool file_exists = std::any_of(found.begin(), found.end(), [&](const FolderEntry& e) {
      return LeftoverOf(e.name, name) == LeftoverKind::kNone &&
             e.name.size() == std::u16string_view(name).size();
    });
    if (!file_exists) continue;
    for (const FolderEntry& entry : found) {
      if (LeftoverOf(entry.name, name) != LeftoverKind::kNone)
        files_.Delete(folder + u"\\" + entry.name);
    }
  }
}

FileResult SettingsStore::KeepKeywordFileAside(const std::u16string& path,
                                               std::u16string& kept_as) {
  const LocalTime now = files_.Now();
  FileResult result{kErrorFileExists};
  for (int attempt = 1; attempt <= kMaxKeptAsideAttempts && result.error == kErrorFileExists;
       ++attempt) {
    kept_as = KeptAsideName(path, now, attempt);
    result = files_.CopyToNew(path, kept_as);
  }
  return result;
}

SaveOutcome SettingsStore::SaveKeywords(const std::vector<std::u16string>& keywords,
                                        bool edited_during_run) {
  SaveOutcome outcome;
  if (keyword_file_unclean_ && !edited_during_run) return outcome;
  try {
    outcome.path = PathOf(kKeywordFileName);
    if (outcome.path.empty()) return {{kErrorNoFolder}, {}, {}};
    if (keyword_file_unclean_) {
      std::u16string kept_as;
      outcome.result = KeepKeywordFileAside(outcome.path, kept_as);
      // A file that has gone meanwhile has nothing left to keep.
      const bool gone = outcome.result.error == kErrorFileNotFound;
      if (!outcome && !gone) return outcome;
      if (!gone) outcome.kept_aside_as = kept_as;
    }
    keyword_file_unclean_ = false;
    outcome.result = files_.Replace(outcome.path, WriteKeywordFile(keywords, codec_));
  } catch (...) {
    outcome.result = {kErrorOutOfMemory};
  }
  return outcome;
}

SaveOutcome SettingsStore::Replace(const char16_t* file_name, const std::string& bytes) {
  SaveOutcome outcome;
  try {
    outcome.path = PathOf(file_name);
    if (outcome.path.empty()) return {{kErrorNoFolder}, {}, {}};
    outcome.result = files_.Replace(outcome.path, bytes);
  } catch (...) {
    outcome.result = {kErrorOutOfMemory};
  }
  return outcome;
}

template <typename Value, typename Parse>
Value SettingsStore::LoadFile(const char16_t* file_name, Value fallback, Parse parse) const {
  try {
    const std::u16string path = PathOf(file_name);
    if (path.empty()) return fallback;
    const FileContent file = files_.Read(path);
    if (file.status != ReadStatus::kOk) return fallback;
    return parse(file.bytes);
  } catch (...) {
    return fallback;  // out of memory: as unreadable
  }
}

std::optional<GeometryValues> SettingsStore::LoadGeometry() {
  return LoadFile<std::optional<GeometryValues>>(kGeometryFileName, std::nullopt, ReadGeometryFile);
}

SaveOutcome SettingsStore::SaveGeometry(float outer_width, float outer_height, float left,
                                        float top) {
  return Replace(kGeometryFileName, WriteGeometryFile(outer_width, outer_height, left, top));
}

Options SettingsStore::LoadOptions() {
  return LoadFile(kOptionsFileName, Options{}, ReadOptionsFile);
}

SaveOutcome SettingsStore::SaveOptions(const Options& options) {
  try {
    const std::u16string path = PathOf(kOptionsFileName);
    // The lines of a file that cannot be read now are not ours to drop.
    FileContent previous;
    if (!path.empty()) previous = files_.Read(path);
    if (previous.status == ReadStatus::kFailed) return {{kErrorAccessDenied}, path, {}};
    return Replace(kOptionsFileName, WriteOptionsFile(options, previous.bytes));
  } catch (...) {
    return {{kErrorOutOfMemory}, {}, {}};
  }
}

std::vector<SenderRow> SettingsStore::LoadSenderRows() {
  try {
    const std::u16string path = PathOf(kSenderFileName);
    if (path.empty()) return {};
    // One byte past the limit tells the reader that the file goes on.
    const FileContent file = files_.ReadStart(path, kMaxSenderFileBytes + 1);
    if (file.status != ReadStatus::kOk) return {};
    return ReadSenderFile(file.bytes, codec_);
  } catch (...) {
    return {};
  }
}

SaveOutcome SettingsStore::AppendSenderRow(const SenderRow& row,
                                           std::u16string_view new_file_header) {
  try {
    const std::u16string path = PathOf(kSenderFileName);
    if (path.empty()) return {{kErrorNoFolder}, {}, {}};
    const FileContent previous = files_.ReadStart(path, kMaxSenderFileBytes + 1);
    if (previous.status == ReadStatus::kFailed) return {{kErrorAccessDenied}, path, {}};
    // Rewriting only the part that was read would cut the file.
    if (previous.bytes.size() > kMaxSenderFileBytes) return {{kErrorFileTooLarge}, path, {}};
    const auto bytes = vorenta::AppendSenderRow(previous.bytes, row, codec_, new_file_header);
    if (!bytes) return {{kErrorNoUnicodeMapping}, path, {}};
    return Replace(kSenderFileName, *bytes);
  } catch (...) {
    return {{kErrorOutOfMemory}, {}, {}};
  }
}

}  // namespace vorenta
