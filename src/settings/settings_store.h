#pragma once
// The files beside the executable, read and written through the platform's
// file operations. Nothing here throws. Reading never fails (a file that
// cannot be read gives the defaults); every save says how it went, so that
// the window can tell the user.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ansi_codec.h"
#include "core/sender_pages.h"
#include "platform/files.h"
#include "settings/geometry_file.h"
#include "settings/options_file.h"

namespace vorenta {

inline constexpr char16_t kKeywordFileName[] = u"SMdata1.dat";
inline constexpr char16_t kGeometryFileName[] = u"SMdata2.dat";

// What start-up found of the keyword file.
struct KeywordLoad {
  enum class Status {
    kRead,        // read from the file (perhaps with U+FFFD for bad bytes)
    kMissing,     // no file: an empty list
    kUnreadable,  // the file exists but could not be read: an empty list
    kRecovered,   // no file, but a save that was cut short left a complete one
  };
  Status status = Status::kMissing;
  std::vector<std::u16string> keywords;
  std::u16string path;
  // kUnreadable: the system's error code.
  std::uint32_t error = 0;
  // kRecovered: the full name of the file the keywords came from, and
  // whether they are now saved under the keyword file's own name.
  std::u16string recovered_from;
  bool recovered_saved = false;
};

struct SaveOutcome {
  FileResult result;
  std::u16string path;
  // Set when a keyword file that was not read cleanly was first copied
  // aside under this full name before being replaced.
  std::u16string kept_aside_as;
  explicit operator bool() const { return static_cast<bool>(result); }
};

class SettingsStore {
 public:
  SettingsStore(Files& files, const AnsiCodec& codec);

  // The keywords of the keyword file. A missing file gives an empty list,
  // and so does a file that cannot be read. A file with bytes that are not
  // text in its form gives its keywords with U+FFFD for those bytes. In both
  // of these cases the store remembers that the file holds more than the
  // list shows; see SaveKeywords.
  std::vector<std::u16string> LoadKeywords();
  // The same, saying what was found. When the file is missing but a save
  // that was cut short (by a kill, a power cut) left a complete temporary
  // or backup file beside it, the newest such file gives the list and is
  // saved under the keyword file's name. Once the list is safely in the
  // file, what earlier saves of any of the program's files left behind is
  // removed.
  KeywordLoad LoadKeywordFile();

  // Replaces the keyword file with the list. When the file could not be read
  // cleanly at load, it is kept as it is while the list was not edited; once
  // it was, the file's bytes are first copied aside under a new name
  // (SMdata1.dat.unreadable-YYYYMMDD-HHMMSS), and when that copy fails the
  // file is not replaced. When the replacement fails the old file stays.
  SaveOutcome SaveKeywords(const std::vector<std::u16string>& keywords, bool edited_during_run);

  // The geometry file's values; nullopt when it is missing, cannot be read
  // or is refused.
  std::optional<GeometryValues> LoadGeometry();
  // Replaces the geometry file with its four lines.
  SaveOutcome SaveGeometry(float outer_width, float outer_height, float left, float top);

  // The options file; defaults when it is missing or cannot be read.
  Options LoadOptions();
  // Writes the options, keeping the lines of the file that it does not own.
  SaveOutcome SaveOptions(const Options& options);

  // The rows of the user's sender file; none when it is missing or cannot be
  // read.
  std::vector<SenderRow> LoadSenderRows();
  // Appends the row to the sender file, or starts the file with it (the
  // header's lines become its first comments). A file that cannot be read
  // now, is too long to read whole or is in a code page that cannot hold the
  // row is left as it is.
  SaveOutcome AppendSenderRow(const SenderRow& row, std::u16string_view new_file_header);

  // The file's full name: the executable's folder, a backslash, the name.
  // Empty when the folder is unknown; nothing is then read or written.
  std::u16string PathOf(const char16_t* file_name) const;
  std::u16string Folder() const;

  // The system's description of a failed save.
  std::u16string ErrorText(const FileResult& result) const;

 private:
  // The file read whole and parsed; `fallback` when it is missing or cannot
  // be read.
  template <typename Value, typename Parse>
  Value LoadFile(const char16_t* file_name, Value fallback, Parse parse) const;
  // Copies the keyword file aside; the new full name, or the error.
  FileResult KeepKeywordFileAside(const std::u16string& path, std::u16string& kept_as);
  SaveOutcome Replace(const char16_t* file_name, const std::string& bytes);
  // The newest complete leftover of a keyword file save, read.
  bool RecoverKeywordFile(KeywordLoad& load);
  void RemoveLeftoversOfSaves();

  Files& files_;
  const AnsiCodec& codec_;
  bool keyword_file_unclean_ = false;
};

}  // namespace vorenta
