#include "mail/rtf_body.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "mail/rtf_tokens.h"

namespace vorenta {

namespace {

constexpr int kDefaultCodePage = 1252;
// A font table larger than any real one is read no further.
constexpr size_t kMaxFonts = 4096;

// Destinations whose text is not part of what the document shows, each
// between spaces.
constexpr std::string_view kHiddenDestinations =
    " colortbl colorschememapping datastore docvar filetbl fldinst footer footerf footerl footerr"
    " footnote generator header headerf headerl headerr info latentstyles listoverridetable"
    " listtable nonesttables object pict pn revtbl rsidtbl stylesheet tc themedata xe xmlnstbl ";

bool IsHiddenDestination(std::string_view name) {
  if (name.empty()) return false;
  for (size_t at = kHiddenDestinations.find(name); at != std::string_view::npos;
       at = kHiddenDestinations.find(name, at + 1)) {
    if (kHiddenDestinations[at - 1] == ' ' && kHiddenDestinations[at + name.size()] == ' ') {
      return true;
    }
  }
  return false;
}

// The code page of a font's \fcharset. The ANSI and default sets have
// none: their bytes are those of the document's code page.
int CodePageOfCharset(int charset) {
  static constexpr std::pair<int, int> kCodePages[] = {
      {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},
      {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255},
      {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},  {238, 1250},
  };
  for (const auto& [set, code_page] : kCodePages) {
    if (set == charset) return code_page;
  }
  return 0;
}

// What a control word stands for in the text, if anything.
std::u16string_view TextOfControlWord(std::string_view name) {
  struct Entry {
    std::string_view name;
    std::u16string_view text;
  };
  static constexpr Entry kEntries[] = {
      {"par", u"\r\n"},         {"line", u"\r\n"},     {"sect", u"\r\n"},
      {"page", u"\r\n"},        {"row", u"\r\n"},      {"nestrow", u"\r\n"},
      {"tab", u"\t"},           {"cell", u"\t"},       {"nestcell", u"\t"},
      {"emdash", u"\u2014"},    {"endash", u"\u2013"}, {"bullet", u"\u2022"},
      {"lquote", u"\u2018"},    {"rquote", u"\u2019"}, {"ldblquote", u"\u201C"},
      {"rdblquote", u"\u201D"}, {"emspace", u" "},     {"enspace", u" "},
      {"qmspace", u" "},
  };
  for (const Entry& entry : kEntries) {
    if (entry.name == name) return entry.text;
  }
  return {};
}

// Bytes wait until the code page changes or a UTF-16 unit comes, so that a
// double-byte character written as two \'hh reaches the decoder whole.
class TextBuilder {
 public:
  explicit TextBuilder(const CodePageDecoder& decode) : decode_(decode) {}

  void Bytes(int code_page, std::string_view bytes) {
    if (code_page != code_page_) Flush();
    code_page_ = code_page;
    pending_ += bytes;
  }

  void Units(std::u16string_view units) {
    Flush();
    text_ += units;
  }

  bool empty() const { return text_.empty() && pending_.empty(); }

  std::u16string Finish() {
    Flush();
    return std::move(text_);
  }

 private:
  void Flush() {
    if (pending_.empty()) return;
    text_ += decode_(code_page_, pending_);
    pending_.clear();
  }

  const CodePageDecoder& decode_;
  std::u16string text_;
  std::string pending_;
  int code_page_ = 0;
};

struct GroupState {
  bool hidden = false;  // a destination whose text is not shown
  bool font_table = false;
  bool html_tag = false;    // {\*\htmltag}: its text is HTML
  bool suppressed = false;  // within \htmlrtf ... \htmlrtf0
  int fallback_count = 1;   // \ucN
  int font = -1;
};

class RtfReader {
 public:
  RtfReader(std::string_view rtf, const CodePageDecoder& decode) : tokens_(rtf), text_(decode) {}

  RtfBody Read() {
    for (RtfToken token = tokens_.Next(); token.kind != RtfToken::Kind::kEnd;
         token = tokens_.Next()) {
      if (token.kind == RtfToken::Kind::kGroupStart) {
        OpenGroup();
        continue;
      }
      if (token.kind == RtfToken::Kind::kGroupEnd) {
        if (!CloseGroup()) break;
        continue;
      }
      if (dropped_depth_ > 0 || groups_.empty()) continue;
      const bool first_in_group = at_group_start_;
      at_group_start_ = false;
      switch (token.kind) {
        case RtfToken::Kind::kControlWord:
          if (first_in_group && OpensDestination(token.name)) break;
          OnControlWord(token);
          break;
        case RtfToken::Kind::kControlSymbol:
          if (token.symbol == '*') {
            starred_ = true;
            at_group_start_ = first_in_group;
            break;
          }
          OnControlSymbol(token.symbol);
          break;
        case RtfToken::Kind::kHexByte:
          if (Hidden() || TakeFallback()) break;
          Emit(std::string_view(reinterpret_cast<const char*>(&token.byte), 1));
          break;
        case RtfToken::Kind::kText:
          OnText(token.text);
          break;
        case RtfToken::Kind::kBinary:
          if (!Hidden()) TakeFallback();
          break;
        default:
          break;
      }
    }
    return RtfBody{html_ ? RtfBody::Kind::kHtml : RtfBody::Kind::kText, text_.Finish()};
  }

 private:
  GroupState& top() { return groups_.back(); }

  void OpenGroup() {
    fallback_left_ = 0;
    at_group_start_ = true;
    starred_ = false;
    if (dropped_depth_ > 0 || groups_.size() >= kMaxRtfGroupDepth) {
      ++dropped_depth_;
    } else {
      groups_.push_back(groups_.empty() ? GroupState{} : top());
    }
  }

  // False once the document's outermost group has closed.
  bool CloseGroup() {
    fallback_left_ = 0;
    at_group_start_ = false;
    if (dropped_depth_ > 0) {
      --dropped_depth_;
      return true;
    }
    if (!groups_.empty()) groups_.pop_back();
    return !groups_.empty();
  }

  bool OpensDestination(std::string_view name) {
    const bool starred = starred_;
    starred_ = false;
    if (starred && html_ && name == "htmltag") {
      top().html_tag = true;
      top().suppressed = false;
      return true;
    }
    if (name == "fonttbl") {
      top().hidden = true;
      top().font_table = true;
      return true;
    }
    // An unknown destination marked with \* is one a reader may skip.
    if (starred || IsHiddenDestination(name)) {
      top().hidden = true;
      return true;
    }
    return false;
  }

  void OnFontTableWord(const RtfToken& word) {
    if (word.name == "f") {
      defining_font_ = word.param;
    } else if (word.name == "fcharset" || word.name == "cpg") {
      const int code_page = word.name == "cpg" ? word.param : CodePageOfCharset(word.param);
      if (code_page > 0 &&
          (font_code_pages_.size() < kMaxFonts || font_code_pages_.count(defining_font_) > 0)) {
        font_code_pages_[defining_font_] = code_page;
      }
    }
  }

  void OnControlWord(const RtfToken& word) {
    if (top().font_table) return OnFontTableWord(word);
    if (top().hidden) return;
    const std::string_view name = word.name;
    if (name == "u") {
      if (TakeFallback()) return;
      const char16_t unit = static_cast<char16_t>(static_cast<std::uint32_t>(word.param) & 0xFFFF);
      if (!top().suppressed) text_.Units(std::u16string_view(&unit, 1));
      fallback_left_ = top().fallback_count;
      return;
    }
    if (TakeFallback()) return;
    if (name == "uc") {
      top().fallback_count = std::clamp(word.param, 0, 255);
    } else if (name == "htmlrtf") {
      top().suppressed = !(word.has_param && word.param == 0);
    } else if (name == "f") {
      top().font = word.param;
    } else if (name == "deff") {
      default_font_ = word.param;
      top().font = word.param;
    } else if (name == "plain") {
      top().font = default_font_;
    } else if (name == "ansicpg") {
      if (word.param > 0) document_code_page_ = word.param;
    } else if (name == "mac") {
      document_code_page_ = 10000;
    } else if (name == "pc") {
      document_code_page_ = 437;
    } else if (name == "pca") {
      document_code_page_ = 850;
    } else if (name == "fromhtml") {
      // Only in the header, before any text.
      if (word.param == 1 && groups_.size() == 1 && text_.empty()) html_ = true;
    } else if (const std::u16string_view text = TextOfControlWord(name); !text.empty()) {
      if (!top().suppressed) text_.Units(text);
    }
  }

  void OnControlSymbol(char symbol) {
    starred_ = false;
    if (Hidden() || TakeFallback()) return;
    switch (symbol) {
      case '\\':
      case '{':
      case '}':
        Emit(std::string_view(&symbol, 1));
        break;
      case '~':
        text_.Units(u"\u00A0");
        break;
      case '_':
        text_.Units(u"-");
        break;
      case '\n':
        text_.Units(u"\r\n");
        break;
      default:
        break;
    }
  }

  void OnText(std::string_view text) {
    if (Hidden()) return;
    const size_t skip = std::min<size_t>(fallback_left_, text.size());
    fallback_left_ -= static_cast<int>(skip);
    Emit(text.substr(skip));
  }

  // A hidden group's text is not read at all, while text within \htmlrtf
  // is read (a \u there still has its fallback) but not shown.
  bool Hidden() { return top().hidden; }

  bool TakeFallback() {
    if (fallback_left_ == 0) return false;
    --fallback_left_;
    return true;
  }

  void Emit(std::string_view bytes) {
    if (bytes.empty() || top().suppressed) return;
    text_.Bytes(CodePage(), bytes);
  }

  int CodePage() {
    if (!top().html_tag) {
      const auto found = font_code_pages_.find(top().font);
      if (found != font_code_pages_.end()) return found->second;
    }
    return document_code_page_;
  }

  RtfTokenizer tokens_;
  TextBuilder text_;
  std::vector<GroupState> groups_;
  int dropped_depth_ = 0;
  bool at_group_start_ = false;
  bool starred_ = false;
  int fallback_left_ = 0;
  bool html_ = false;
  int document_code_page_ = kDefaultCodePage;
  int default_font_ = -1;
  int defining_font_ = -1;
  std::unordered_map<int, int> font_code_pages_;
};

bool StartsAsRtf(std::string_view bytes) {
  const size_t start = bytes.find_first_not_of(" \t\r\n");
  return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

}  // namespace

std::optional<RtfBody> ReadRtfBody(std::string_view rtf, const CodePageDecoder& decode) {
  if (!StartsAsRtf(rtf)) return std::nullopt;
  return RtfReader(rtf, decode).Read();
}

}  // namespace vorenta
