#pragma once
// The report of the scan driver: the mail pane after a paste, with what the
// search and a click would do on each line, through the window logic on the
// in-memory platform.

#include <string>
#include <vector>

namespace vorenta::tools {

// One keyword per line; LF or CR LF ends a line, an empty line is an empty
// keyword and a last line without a line end counts.
std::vector<std::u16string> SplitKeywordLines(const std::u16string& text);

struct ScanOptions {
  bool fold = false;  // the fuzzy search
};

// How long the paste and the search took, in milliseconds.
struct ScanTimes {
  double paste = 0;
  double search = 0;
};

// index TAB position TAB address TAB text LF for each mail line, then
// "sender" TAB the command line the sender gesture would start.
std::u16string ScanReport(const std::vector<std::u16string>& keywords,
                          const std::u16string& mail_text, const ScanOptions& options = {},
                          ScanTimes* times = nullptr);

}  // namespace vorenta::tools
