#include "mail/multipart_body.h"

#include <cstring>

namespace vorenta {

namespace {

enum class Delimiter { kNone, kPart, kClose };

Delimiter DelimiterAt(std::string_view line, std::string_view boundary) {
  if (line.size() < boundary.size() + 2 || line.substr(0, 2) != "--" ||
      line.substr(2, boundary.size()) != boundary) {
    return Delimiter::kNone;
  }
  std::string_view rest = line.substr(boundary.size() + 2);
  const bool close = rest.substr(0, 2) == "--";
  if (close) rest.remove_prefix(2);
  for (char c : rest) {
    if (c != ' ' && c != '\t' && c != '\r') return Delimiter::kNone;
  }
  return close ? Delimiter::kClose : Delimiter::kPart;
}

// Where a part that is followed by a delimiter line at line_start ends: the
// line break before the delimiter is the delimiter's.
size_t PartEnd(std::string_view body, size_t part_start, size_t line_start) {
  size_t end = line_start;
  if (end > part_start && body[end - 1] == '\n') --end;
  if (end > part_start && body[end - 1] == '\r') --end;
  return end;
}

}  // namespace

std::vector<std::string_view> SplitMultipartBody(std::string_view body, std::string_view boundary,
                                                 size_t max_parts) {
  std::vector<std::string_view> parts;
  if (boundary.empty() || max_parts == 0) return parts;
  // Lines end at LF; a body without any LF has old Mac line ends, CR.
  const char line_end = body.find('\n') != std::string_view::npos ? '\n' : '\r';
  bool in_part = false;
  size_t part_start = 0;
  size_t line_start = 0;
  while (line_start < body.size()) {
    const void* found = std::memchr(body.data() + line_start, line_end, body.size() - line_start);
    const size_t end = found ? static_cast<const char*>(found) - body.data() : body.size();
    const size_t next = found ? end + 1 : body.size();
    if (body[line_start] == '-') {
      const Delimiter delimiter = DelimiterAt(body.substr(line_start, end - line_start), boundary);
      if (delimiter != Delimiter::kNone) {
        if (in_part) {
          parts.push_back(
              body.substr(part_start, PartEnd(body, part_start, line_start) - part_start));
          if (parts.size() >= max_parts) return parts;
        }
        if (delimiter == Delimiter::kClose) return parts;
        in_part = true;
        part_start = next;
      }
    }
    line_start = next;
  }
  if (in_part) parts.push_back(body.substr(part_start));
  return parts;
}

}  // namespace vorenta
