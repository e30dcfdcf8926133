#pragma once
// The bytes of the clipboard's "HTML Format" as a browser writes them: a
// header of byte offsets, then the UTF-8 page with the copied fragment
// between its comments.

#include <cstdio>
#include <string>

namespace vorenta {

inline std::string HtmlFormatOf(const std::string& utf8_fragment) {
  const std::string start = "<html><body>\r\n<!--StartFragment-->";
  const std::string end = "<!--EndFragment-->\r\n</body></html>";
  constexpr int kHeaderSize = 105;  // the header below, with ten-digit numbers
  const int start_fragment = kHeaderSize + static_cast<int>(start.size());
  const int end_fragment = start_fragment + static_cast<int>(utf8_fragment.size());
  char header[160];  // room for any int
  std::snprintf(header, sizeof header,
                "Version:0.9\r\nStartHTML:%010d\r\nEndHTML:%010d\r\nStartFragment:%010d\r\n"
                "EndFragment:%010d\r\n",
                kHeaderSize, end_fragment + static_cast<int>(end.size()), start_fragment,
                end_fragment);
  return header + start + utf8_fragment + end;
}

}  // namespace vorenta
