#pragma once
// The two files beside the executable, read and written through
// the platform's file operations. Nothing here throws and nothing is
// reported: a file that cannot be read or written is passed over quietly.

#include <string>
#include <vector>

#include "settings/ansi_codec.h"
#include "ui/platform.h"

namespace vorenta {

inline constexpr char16_t kKeywordFileName[] = u"SMdata1.dat";
inline constexpr char16_t kGeometryFileName[] = u"SMdata2.dat";

class SettingsStore {
 public:
  SettingsStore(Files& files, const AnsiCodec& codec);

  // The keywords of the keyword file. A missing file gives an empty list,
  // and so does a file that cannot be read. A file with bytes that are not
  // text in its form gives its keywords with U+FFFD for those bytes. In both
  // of these cases the store remembers that the file holds more than the
  // list shows; see SaveKeywords.
  std::vector<std::u16string> LoadKeywords();

  // Replaces the keyword file with the list. When the file could not be
  // read completely at load and the list was not edited during the run, the
  // file is kept as it is instead, so that an unreadable file is not lost to
  // an empty or damaged list. When the replacement fails the old file stays.
  void SaveKeywords(const std::vector<std::u16string>& keywords, bool edited_during_run);

  // Replaces the geometry file with its four lines.
  void SaveGeometry(float outer_width, float outer_height, float left, float top);

  // The file's full name: the executable's folder, a backslash, the name.
  // Empty when the folder is unknown; nothing is then read or written.
  std::u16string PathOf(const char16_t* file_name) const;

 private:
  Files& files_;
  const AnsiCodec& codec_;
  bool keep_keyword_file_ = false;
};

}  // namespace vorenta
