#include "settings/settings_store.h"

#include "settings/geometry_file.h"
#include "settings/keyword_file.h"

namespace vorenta {

SettingsStore::SettingsStore(Files& files, const AnsiCodec& codec) : files_(files), codec_(codec) {}

std::u16string SettingsStore::PathOf(const char16_t* file_name) const {
  try {
    const std::u16string folder = files_.ExecutableFolder();
    // Without a folder the name would point at the root of the current drive.
    if (folder.empty()) return {};
    return folder + u"\\" + file_name;
  } catch (...) {
    return {};
  }
}

std::vector<std::u16string> SettingsStore::LoadKeywords() {
  keep_keyword_file_ = false;
  try {
    const std::u16string path = PathOf(kKeywordFileName);
    if (path.empty()) return {};
    const FileContent file = files_.Read(path);
    if (file.status == ReadStatus::kMissing) return {};
    if (file.status != ReadStatus::kOk) {
      keep_keyword_file_ = true;
      return {};
    }
    KeywordFileContent content = ReadKeywordFile(file.bytes, codec_);
    keep_keyword_file_ = content.lossy;
    return std::move(content.keywords);
  } catch (...) {
    // Out of memory for a huge file: as unreadable.
    keep_keyword_file_ = true;
    return {};
  }
}

void SettingsStore::SaveKeywords(const std::vector<std::u16string>& keywords,
                                 bool edited_during_run) {
  if (keep_keyword_file_ && !edited_during_run) return;
  try {
    const std::u16string path = PathOf(kKeywordFileName);
    if (path.empty()) return;
    files_.Replace(path, WriteKeywordFile(keywords, codec_));
  } catch (...) {
  }
}

void SettingsStore::SaveGeometry(float outer_width, float outer_height, float left, float top) {
  try {
    const std::u16string path = PathOf(kGeometryFileName);
    if (path.empty()) return;
    files_.Replace(path, WriteGeometryFile(outer_width, outer_height, left, top));
  } catch (...) {
  }
}

}  // namespace vorenta
