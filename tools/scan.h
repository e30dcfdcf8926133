#pragma once
// The report of the scan driver: the mail pane after a paste, with what the
// search and a click would do on each line, through the window logic on the
// in-memory platform.

#include <optional>
#include <string>
#include <vector>

#include "mail/item_streams.h"

namespace vorenta::tools {

// One keyword per line; LF or CR LF ends a line, an empty line is an empty
// keyword and a last line without a line end counts.
std::vector<std::u16string> SplitKeywordLines(const std::u16string& text);

struct ScanOptions {
  bool fold = false;  // the fuzzy search
};

// Where the mail comes from, and how it reaches the pane.
struct ScanMail {
  enum class Source {
    kClipboardText,  // the clipboard's text, pasted with Enter
    kClipboardHtml,  // the clipboard's "HTML Format", pasted with Ctrl+V
    kFile,           // a file dropped on the pane
  };
  Source source = Source::kClipboardText;
  std::u16string text;       // kClipboardText
  std::string bytes;         // kClipboardHtml, kFile
  std::u16string file_name;  // kFile: its name decides its kind
  // kFile, an Outlook item: its streams as the system read them (Windows
  // builds only: elsewhere nothing reads a compound file).
  std::optional<ItemStreams> item;
};

// How long the paste and the search took, in milliseconds.
struct ScanTimes {
  double paste = 0;
  double search = 0;
};

// index TAB position TAB address TAB text LF for each mail line, then
// "sender" TAB the command line the sender gesture would start; before them,
// "told" TAB the heading of each message the window showed.
std::u16string ScanReport(const std::vector<std::u16string>& keywords, const ScanMail& mail,
                          const ScanOptions& options = {}, ScanTimes* times = nullptr);
std::u16string ScanReport(const std::vector<std::u16string>& keywords,
                          const std::u16string& mail_text, const ScanOptions& options = {},
                          ScanTimes* times = nullptr);

}  // namespace vorenta::tools
