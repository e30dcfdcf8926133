// vorenta-scan KEYWORDS MAIL: what the window would show and do for a mail,
// as text. Both files are UTF-8; the report is UTF-8 on standard output.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "scan.h"
#include "settings/utf8.h"
#include "utf8.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
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
  if (argc != 3) {
    std::cerr << "usage: vorenta-scan KEYWORDS MAIL\n";
    return kBadInput;
  }
  std::u16string keyword_text, mail_text;
  if (!ReadUtf8File(argv[1], keyword_text) || !ReadUtf8File(argv[2], mail_text)) return kBadInput;

#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // LF must stay LF
#endif
  const std::string report = vorenta::EncodeUtf8(
      vorenta::tools::ScanReport(vorenta::tools::SplitKeywordLines(keyword_text), mail_text));
  std::fwrite(report.data(), 1, report.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
