#include "settings/sender_file.h"

#include "core/utf8.h"

namespace vorenta {

namespace {

constexpr char16_t kTab = u'\t';
constexpr char16_t kComment = u'#';

bool IsAsciiAlnum(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool IsHexDigit(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool IsAddressChar(char16_t c) {
  return IsAsciiAlnum(c) ||
         std::u16string_view(u"-._~:/?#[]@!$&'()*+,;=").find(c) != std::u16string_view::npos;
}

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// A cut file ends at its last complete line, so that no row is read half.
std::string_view WithinCap(std::string_view bytes) {
  if (bytes.size() <= kMaxSenderFileBytes) return bytes;
  bytes = bytes.substr(0, kMaxSenderFileBytes);
  const size_t last_break = bytes.rfind('\n');
  return last_break == std::string_view::npos ? std::string_view{}
                                              : bytes.substr(0, last_break + 1);
}

enum class TextForm { kUtf8WithBom, kUtf8, kAnsi };

TextForm FormOf(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return TextForm::kUtf8WithBom;
  return DecodeUtf8(bytes).lossy ? TextForm::kAnsi : TextForm::kUtf8;
}

std::u16string Decode(std::string_view bytes, TextForm form, const AnsiCodec& codec) {
  switch (form) {
    case TextForm::kUtf8WithBom:
      return DecodeUtf8(bytes.substr(kUtf8Bom.size())).text;
    case TextForm::kUtf8:
      return DecodeUtf8(bytes).text;
    case TextForm::kAnsi:
      break;
  }
  return codec.Decode(std::string(bytes)).text;
}

std::optional<SenderRow> RowOf(std::u16string_view line) {
  if (line.empty() || line.front() == kComment) return std::nullopt;
  const size_t tab = line.find(kTab);
  if (tab == std::u16string_view::npos) return std::nullopt;
  SenderRow row{std::u16string(line.substr(0, tab)), std::u16string(line.substr(tab + 1))};
  if (!IsStorableSenderKey(row.key) || !IsAcceptableSenderPage(row.page)) return std::nullopt;
  return row;
}

}  // namespace

bool IsAcceptableSenderPage(std::u16string_view page) {
  if (page.size() > kMaxSenderPageLength) return false;
  size_t host;
  if (page.starts_with(u"http://")) {
    host = 7;
  } else if (page.starts_with(u"https://")) {
    host = 8;
  } else {
    return false;
  }
  if (host == page.size() ||
      std::u16string_view(u"/?#").find(page[host]) != std::u16string_view::npos) {
    return false;
  }
  for (size_t i = 0; i < page.size(); ++i) {
    if (page[i] == u'%') {
      if (i + 2 >= page.size() || !IsHexDigit(page[i + 1]) || !IsHexDigit(page[i + 2])) {
        return false;
      }
      i += 2;
    } else if (!IsAddressChar(page[i])) {
      return false;
    }
  }
  return true;
}

bool IsStorableSenderKey(std::u16string_view key) {
  if (key.empty() || key.front() == kComment) return false;
  for (char16_t c : key) {
    if (IsControl(c)) return false;
  }
  return true;
}

std::vector<SenderRow> ReadSenderFile(std::string_view bytes, const AnsiCodec& codec) {
  bytes = WithinCap(bytes);
  const std::u16string text = Decode(bytes, FormOf(bytes), codec);
  std::vector<SenderRow> rows;
  size_t start = 0;
  while (start < text.size() && rows.size() < kMaxSenderRows) {
    size_t end = text.find(u'\n', start);
    if (end == std::u16string::npos) end = text.size();
    std::u16string_view line = std::u16string_view(text).substr(start, end - start);
    if (line.ends_with(u'\r')) line.remove_suffix(1);
    if (auto row = RowOf(line)) rows.push_back(std::move(*row));
    start = end + 1;
  }
  return rows;
}

std::optional<std::string> AppendSenderRow(std::string_view previous, const SenderRow& row,
                                           const AnsiCodec& codec,
                                           std::u16string_view new_file_header) {
  const std::u16string line = row.key + kTab + row.page;
  if (previous.empty()) {
    std::u16string text;
    size_t start = 0;
    while (start < new_file_header.size()) {
      size_t end = new_file_header.find(u'\n', start);
      if (end == std::u16string_view::npos) end = new_file_header.size();
      text += u"# ";
      text += new_file_header.substr(start, end - start);
      text += u"\r\n";
      start = end + 1;
    }
    return std::string(kUtf8Bom) + EncodeUtf8(text + line + u"\r\n");
  }

  const size_t first_break = previous.find('\n');
  const bool lf_only = first_break != std::string_view::npos &&
                       (first_break == 0 || previous[first_break - 1] != '\r');
  const std::string line_end = lf_only ? "\n" : "\r\n";
  std::string bytes(previous);
  // A last line without its line end would run into the new row.
  if (bytes.back() == '\r' && !lf_only) {
    bytes += '\n';
  } else if (bytes.back() != '\n') {
    bytes += line_end;
  }
  if (FormOf(previous) != TextForm::kAnsi) return bytes + EncodeUtf8(line) + line_end;
  AnsiBytes encoded = codec.Encode(line);
  if (encoded.lossy) return std::nullopt;
  return bytes + encoded.bytes + line_end;
}

}  // namespace vorenta
