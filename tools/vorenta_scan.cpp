// vorenta-scan [--fold] [--time] [--clipboard-html | --file] KEYWORDS MAIL:
// what the window would show and do for a mail, as text. KEYWORDS is UTF-8;
// MAIL is the clipboard's text in UTF-8, or with --clipboard-html the bytes
// of the clipboard's "HTML Format" (what Ctrl+V pastes), or with --file a
// file dropped on the mail pane (.txt, .htm, .html, .eml; .msg in the
// Windows build only). The report is UTF-8 on standard output.
// --fold searches with the fuzzy search on; --time prints how long the paste
// and the search (the matching of every line) took, on standard error.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "core/utf8.h"
#include "scan.h"
#include "utf8.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "platform/win32/win32_outlook_items.h"
#endif

namespace {

constexpr int kBadInput = 2;

bool ReadWholeFile(const char* path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return false;
  bytes = std::move(content).str();
  return true;
}

// A byte-order mark is not text: editors add it, the clipboard never would.
std::string_view WithoutBom(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  return bytes;
}

bool ReadUtf8File(const char* path, std::u16string& text) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    std::cerr << "vorenta-scan: cannot read " << path << "\n";
    return false;
  }
  auto decoded = vorenta::tools::DecodeUtf8(WithoutBom(bytes));
  if (!decoded) {
    std::cerr << "vorenta-scan: " << path << " is not valid UTF-8\n";
    return false;
  }
  text = std::move(*decoded);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  vorenta::tools::ScanOptions options;
  vorenta::tools::ScanMail mail;
  bool time = false;
  std::vector<const char*> paths;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--fold") {
      options.fold = true;
    } else if (arg == "--time") {
      time = true;
    } else if (arg == "--clipboard-html") {
      mail.source = vorenta::tools::ScanMail::Source::kClipboardHtml;
    } else if (arg == "--file") {
      mail.source = vorenta::tools::ScanMail::Source::kFile;
    } else {
      paths.push_back(argv[i]);
    }
  }
  if (paths.size() != 2) {
    std::cerr << "usage: vorenta-scan [--fold] [--time] [--clipboard-html | --file] KEYWORDS "
                 "MAIL\n";
    return kBadInput;
  }
  std::u16string keyword_text;
  if (!ReadUtf8File(paths[0], keyword_text)) return kBadInput;
  if (mail.source == vorenta::tools::ScanMail::Source::kClipboardText) {
    if (!ReadUtf8File(paths[1], mail.text)) return kBadInput;
  } else if (!ReadWholeFile(paths[1], mail.bytes)) {
    std::cerr << "vorenta-scan: cannot read " << paths[1] << "\n";
    return kBadInput;
  } else {
    const std::string_view path = paths[1];
    const std::string_view name = path.substr(path.find_last_of("/\\") + 1);
    mail.file_name = vorenta::DecodeUtf8(name).text;
#ifdef _WIN32
    std::uint32_t error = 0;
    mail.item = vorenta::Win32OutlookItemFiles().Read(vorenta::DecodeUtf8(path).text, error);
#endif
  }

#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // LF must stay LF
#endif
  vorenta::tools::ScanTimes times;
  const std::string report = vorenta::EncodeUtf8(vorenta::tools::ScanReport(
      vorenta::tools::SplitKeywordLines(keyword_text), mail, options, &times));
  if (time) {
    std::fprintf(stderr, "paste %.1f ms\nsearch %.1f ms\n", times.paste, times.search);
  }
  std::fwrite(report.data(), 1, report.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
