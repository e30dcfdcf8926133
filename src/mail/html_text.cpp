#include "mail/html_text.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

#include "mail/html_references.h"
#include "mail/html_tags.h"
#include "mail/html_tokenizer.h"
#include "mail/inline_style.h"
#include "mail/line_writer.h"
#include "mail/link_address.h"

namespace vorenta {

namespace {

using html::Display;
using html::HasFlag;
using html::Tag;
using html::Token;
using html::WhiteSpace;

constexpr size_t kMaxDepth = 256;
constexpr size_t kNoText = std::u16string::npos;

char16_t LowerAscii(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

const html::Attribute* FindAttribute(const Token& token, std::u16string_view lower_name) {
  for (const html::Attribute& attribute : token.attributes) {
    if (SameName(attribute.name, lower_name)) return &attribute;  // the first one counts
  }
  return nullptr;
}

bool IsOneOf(Tag tag, std::initializer_list<Tag> tags) {
  for (Tag t : tags) {
    if (tag == t) return true;
  }
  return false;
}

bool IsHeading(Tag tag) { return tag >= Tag::kH1 && tag <= Tag::kH6; }

bool IsTablePart(Tag tag) {
  return IsOneOf(tag, {Tag::kTable, Tag::kTbody, Tag::kThead, Tag::kTfoot, Tag::kTr, Tag::kTd,
                       Tag::kTh, Tag::kCaption, Tag::kColgroup});
}

bool HasNonSpace(std::u16string_view text) {
  for (char16_t c : text) {
    if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\f' && c != u'\r') return true;
  }
  return false;
}

// Open elements are counted per bucket, so that an end tag with nothing open
// to close costs no walk down the stack.
constexpr size_t kBuckets = 256;
static_assert(html::kKnownTagCount < 128);

size_t BucketOf(Tag tag, std::u16string_view name) {
  if (tag != Tag::kOther) return static_cast<size_t>(tag);
  size_t hash = 0;
  for (char16_t c : name) hash = hash * 31 + LowerAscii(c);
  return 128 + hash % 128;
}

// What an element's own attributes say about its layout.
struct OwnLayout {
  Display display;
  WhiteSpace white_space;
  bool hides;
};

OwnLayout OwnLayoutOf(const Token& token) {
  OwnLayout own{html::InfoOf(token.tag).display, WhiteSpace::kUnset, false};
  html::InlineStyle style;
  if (const html::Attribute* attribute = FindAttribute(token, u"style")) {
    style = attribute->value.find(u'&') == std::u16string_view::npos
                ? html::ParseInlineStyle(attribute->value)
                : html::ParseInlineStyle(html::DecodeAttributeValue(attribute->value));
  }
  switch (style.display) {
    case html::StyleDisplay::kNone:
      own.hides = true;
      break;
    case html::StyleDisplay::kInline:
      own.display = Display::kInline;
      break;
    case html::StyleDisplay::kBlock:
      own.display = Display::kBlock;
      break;
    case html::StyleDisplay::kCell:
      own.display = Display::kCell;
      break;
    case html::StyleDisplay::kUnset:
      // hidden is only a default style: a display of the style shows it.
      own.hides = FindAttribute(token, u"hidden") != nullptr;
      break;
  }
  own.white_space = style.white_space;
  return own;
}

struct OpenElement {
  Tag tag = Tag::kOther;
  std::u16string_view name;  // as written
  size_t bucket = 0;
  Display display = Display::kInline;
  WhiteSpace white_space = WhiteSpace::kCollapse;  // with what it inherits
  bool hides = false;          // its subtree is not shown; counted in hidden_depth_
  bool shown = false;          // it is laid out: not hidden, nor inside something hidden
  std::u16string address;      // a shown link's web address
  size_t link_text = kNoText;  // where the link's first character was written
};

class HtmlLayout {
 public:
  explicit HtmlLayout(std::u16string_view html) : tokenizer_(html), lines_(html.size()) {
    stack_.reserve(kMaxDepth);
  }

  std::u16string Run();

 private:
  enum class HeadState { kNotYet, kOpen, kPast };

  bool Hidden() const { return hidden_depth_ > 0; }
  WhiteSpace CurrentWhiteSpace() const {
    return stack_.empty() ? WhiteSpace::kCollapse : stack_.back().white_space;
  }

  void OnText(const Token& token, bool newline_skippable);
  void OnStartTag(const Token& token);
  void OnEndTag(const Token& token);
  void OnVoidElement(const Token& token, const OwnLayout& own);
  void Open(const Token& token, const OwnLayout& own);

  void Write(std::u16string_view text, bool references, WhiteSpace mode, bool newline_skippable);
  void WriteUnit(char16_t c, WhiteSpace mode);
  void Show(char16_t c);
  void EdgeOf(Display display);

  void CloseImplied(Tag tag);
  void CloseHead();
  // The index of the highest open element for which match holds, looking no
  // further down than the first for which stop holds; -1 when none.
  template <typename Match, typename Stop>
  int FindOpen(Match match, Stop stop) const;
  void CloseFormatting(int index);
  void PopTo(size_t index);
  void RemoveAt(size_t index);
  void FinishLink(const OpenElement& link);
  void MarkLinkTexts();

  html::Tokenizer tokenizer_;
  html::LineWriter lines_;
  std::vector<OpenElement> stack_;
  std::array<int, kBuckets> open_counts_{};
  int hidden_depth_ = 0;
  int open_links_ = 0;       // shown links with an address
  int unstarted_links_ = 0;  // of those, the ones no text was written for yet
  HeadState head_ = HeadState::kNotYet;
  bool raw_shown_ = false;        // the raw text of the open textarea or xmp is shown
  bool newline_pending_ = false;  // the next text may drop one leading newline
  bool after_cr_ = false;
};

std::u16string HtmlLayout::Run() {
  Token token;
  while (tokenizer_.Next(token)) {
    const bool newline_skippable = newline_pending_;
    newline_pending_ = false;
    switch (token.kind) {
      case Token::Kind::kText:
        OnText(token, newline_skippable);
        break;
      case Token::Kind::kStartTag:
        OnStartTag(token);
        break;
      case Token::Kind::kEndTag:
        OnEndTag(token);
        break;
    }
  }
  PopTo(0);
  return lines_.Take();
}

void HtmlLayout::OnText(const Token& token, bool newline_skippable) {
  if (token.raw_of != Tag::kOther) {
    if (!HasFlag(token.raw_of, html::kRawShown) || !raw_shown_) return;
    Write(token.text, token.raw_of == Tag::kTextarea, WhiteSpace::kPreserve, newline_skippable);
    return;
  }
  if (head_ != HeadState::kPast && HasNonSpace(token.text)) {
    // Text in head, as in a browser, ends it: the text is the letter's.
    if (head_ == HeadState::kOpen) CloseHead();
    head_ = HeadState::kPast;
  }
  if (Hidden()) return;
  Write(token.text, true, CurrentWhiteSpace(), newline_skippable);
}

void HtmlLayout::Write(std::u16string_view text, bool references, WhiteSpace mode,
                       bool newline_skippable) {
  size_t i = 0;
  if (newline_skippable && !text.empty()) {
    if (text.substr(0, 2) == u"\r\n") {
      i = 2;
    } else if (text[0] == u'\n' || text[0] == u'\r') {
      i = 1;
    }
  }
  after_cr_ = false;
  for (; i < text.size(); ++i) {
    if (text[i] == u'&' && references) {
      const html::DecodedReference decoded = html::DecodeReference(text, i, false);
      if (decoded.length > 0) {
        for (int k = 0; k < decoded.unit_count; ++k) WriteUnit(decoded.units[k], mode);
        i += decoded.length - 1;
        continue;
      }
    }
    WriteUnit(text[i], mode);
  }
}

void HtmlLayout::WriteUnit(char16_t c, WhiteSpace mode) {
  const bool after_cr = after_cr_;
  after_cr_ = c == u'\r';
  switch (c) {
    case u'\r':
    case u'\n':
      if (mode == WhiteSpace::kCollapse) {
        lines_.Space();
      } else if (!(c == u'\n' && after_cr)) {
        lines_.Break();
      }
      return;
    case u' ':
    case u'\t':
    case u'\f':
      if (mode == WhiteSpace::kPreserve) {
        Show(c == u'\t' ? u'\t' : u' ');
      } else {
        lines_.Space();
      }
      return;
    case 0:
      return;
    case 0xA0:
      Show(u' ');
      return;
    default:
      Show(c);
  }
}

void HtmlLayout::Show(char16_t c) {
  lines_.Put(c);
  if (unstarted_links_ > 0) MarkLinkTexts();
}

void HtmlLayout::MarkLinkTexts() {
  const size_t at = lines_.text().size() - 1;
  for (size_t i = stack_.size(); i-- > 0 && unstarted_links_ > 0;) {
    OpenElement& e = stack_[i];
    if (!e.address.empty() && e.link_text == kNoText) {
      e.link_text = at;
      --unstarted_links_;
    }
  }
}

void HtmlLayout::EdgeOf(Display display) {
  switch (display) {
    case Display::kInline:
      break;
    case Display::kBlock:
      lines_.Boundary(0);
      break;
    case Display::kParagraph:
      lines_.Boundary(1);
      break;
    case Display::kCell:
      lines_.Space();
      break;
  }
}

void HtmlLayout::OnStartTag(const Token& token) {
  const Tag tag = token.tag;
  if (head_ == HeadState::kOpen && !HasFlag(tag, html::kHeadContent)) CloseHead();
  switch (tag) {
    case Tag::kHtml:
    case Tag::kBody:
      // Never opened: they hold everything, and text after their end tags
      // still belongs to the letter.
      head_ = HeadState::kPast;
      if (!Hidden()) lines_.Boundary(0);
      return;
    case Tag::kHead:
      if (head_ == HeadState::kNotYet && stack_.size() < kMaxDepth) {
        head_ = HeadState::kOpen;
        OpenElement head;
        head.tag = tag;
        head.bucket = BucketOf(tag, token.name);
        head.hides = true;
        ++hidden_depth_;
        ++open_counts_[head.bucket];
        stack_.push_back(std::move(head));
      }
      return;
    default:
      break;
  }
  if (head_ == HeadState::kNotYet && !HasFlag(tag, html::kHeadContent)) head_ = HeadState::kPast;

  const OwnLayout own = OwnLayoutOf(token);
  CloseImplied(tag);
  if (HasFlag(tag, html::kVoid)) {
    OnVoidElement(token, own);
  } else if (HasFlag(tag, html::kRawShown)) {
    raw_shown_ = !Hidden() && !own.hides;
    if (raw_shown_) lines_.Boundary(0);
    newline_pending_ = tag == Tag::kTextarea;
  } else if (!HasFlag(tag, html::kRawHidden)) {
    Open(token, own);
  }
}

void HtmlLayout::OnVoidElement(const Token& token, const OwnLayout& own) {
  if (Hidden() || own.hides) return;
  if (token.tag == Tag::kBr) {
    lines_.Break();
    return;
  }
  EdgeOf(own.display);
  if (token.tag == Tag::kImg && open_links_ > 0) {
    if (const html::Attribute* alt = FindAttribute(token, u"alt")) {
      for (char16_t c : html::DecodeAttributeValue(alt->value)) WriteUnit(c, WhiteSpace::kCollapse);
    }
  }
  EdgeOf(own.display);
}

void HtmlLayout::Open(const Token& token, const OwnLayout& own) {
  const Tag tag = token.tag;
  OpenElement e;
  e.tag = tag;
  e.name = token.name;
  e.bucket = BucketOf(tag, token.name);
  e.display = own.display;
  e.hides = own.hides || HasFlag(tag, html::kHiddenSubtree);
  e.shown = !Hidden() && !e.hides;
  if (own.white_space != WhiteSpace::kUnset) {
    e.white_space = own.white_space;
  } else if (HasFlag(tag, html::kPreformatted)) {
    e.white_space = WhiteSpace::kPreserve;
  } else {
    e.white_space = CurrentWhiteSpace();
  }
  if (e.shown) {
    EdgeOf(e.display);
    newline_pending_ = tag == Tag::kPre || tag == Tag::kListing;
    if (tag == Tag::kA) {
      if (const html::Attribute* href = FindAttribute(token, u"href")) {
        e.address = html::WebAddress(html::DecodeAttributeValue(href->value));
      }
    }
  }
  if (stack_.size() >= kMaxDepth) {
    // Too deep to open: laid out as an empty element.
    if (e.shown) {
      FinishLink(e);
      EdgeOf(e.display);
    }
    return;
  }
  if (e.hides) ++hidden_depth_;
  if (!e.address.empty()) {
    ++open_links_;
    ++unstarted_links_;
  }
  ++open_counts_[e.bucket];
  stack_.push_back(std::move(e));
}

template <typename Match, typename Stop>
int HtmlLayout::FindOpen(Match match, Stop stop) const {
  for (size_t i = stack_.size(); i-- > 0;) {
    if (match(stack_[i])) return static_cast<int>(i);
    if (stop(stack_[i])) return -1;
  }
  return -1;
}

void HtmlLayout::CloseImplied(Tag tag) {
  const auto pop_to = [this](int index) {
    if (index >= 0) PopTo(static_cast<size_t>(index));
  };
  const auto top_is = [this](std::initializer_list<Tag> tags) {
    return !stack_.empty() && IsOneOf(stack_.back().tag, tags);
  };
  if (HasFlag(tag, html::kClosesParagraph) && open_counts_[static_cast<size_t>(Tag::kP)] > 0) {
    pop_to(FindOpen([](const OpenElement& e) { return e.tag == Tag::kP; },
                    [](const OpenElement& e) {
                      return HasFlag(e.tag, html::kScopeBoundary) || e.tag == Tag::kButton;
                    }));
  }
  // A new item ends the open one, even past a div or p inside it.
  const auto item_edge = [](const OpenElement& e) {
    return HasFlag(e.tag, html::kSpecial) && !IsOneOf(e.tag, {Tag::kAddress, Tag::kDiv, Tag::kP});
  };
  // Table parts end the open parts above the enclosing table or row group.
  const auto close_table_parts = [&](std::initializer_list<Tag> parts,
                                     std::initializer_list<Tag> edges) {
    int lowest = -1;
    for (size_t i = stack_.size(); i-- > 0 && !IsOneOf(stack_[i].tag, edges);) {
      if (IsOneOf(stack_[i].tag, parts)) lowest = static_cast<int>(i);
    }
    pop_to(lowest);
  };
  switch (tag) {
    case Tag::kLi:
      pop_to(FindOpen([](const OpenElement& e) { return e.tag == Tag::kLi; }, item_edge));
      break;
    case Tag::kDd:
    case Tag::kDt:
      pop_to(FindOpen(
          [](const OpenElement& e) {
            return IsOneOf(e.tag, {Tag::kDd, Tag::kDt});
          },
          item_edge));
      break;
    case Tag::kH1:
    case Tag::kH2:
    case Tag::kH3:
    case Tag::kH4:
    case Tag::kH5:
    case Tag::kH6:
      if (!stack_.empty() && IsHeading(stack_.back().tag)) PopTo(stack_.size() - 1);
      break;
    case Tag::kTd:
    case Tag::kTh:
      close_table_parts({Tag::kTd, Tag::kTh}, {Tag::kTr, Tag::kTbody, Tag::kThead, Tag::kTfoot,
                                               Tag::kTable, Tag::kTemplate});
      break;
    case Tag::kTr:
      close_table_parts({Tag::kTr, Tag::kTd, Tag::kTh},
                        {Tag::kTbody, Tag::kThead, Tag::kTfoot, Tag::kTable, Tag::kTemplate});
      break;
    case Tag::kTbody:
    case Tag::kThead:
    case Tag::kTfoot:
    case Tag::kCaption:
    case Tag::kColgroup:
      close_table_parts({Tag::kTbody, Tag::kThead, Tag::kTfoot, Tag::kTr, Tag::kTd, Tag::kTh,
                         Tag::kCaption, Tag::kColgroup},
                        {Tag::kTable, Tag::kTemplate});
      break;
    case Tag::kTable:
      // A table straight inside another's rows is the next table, not a
      // nested one.
      if (top_is({Tag::kTable, Tag::kTbody, Tag::kThead, Tag::kTfoot, Tag::kTr})) {
        pop_to(FindOpen([](const OpenElement& e) { return e.tag == Tag::kTable; },
                        [](const OpenElement& e) { return e.tag == Tag::kTemplate; }));
      }
      break;
    case Tag::kA:
      // A link never holds another: the open one ends here.
      if (open_counts_[static_cast<size_t>(Tag::kA)] > 0) {
        const int open =
            FindOpen([](const OpenElement& e) { return e.tag == Tag::kA; },
                     [](const OpenElement& e) { return HasFlag(e.tag, html::kScopeBoundary); });
        if (open >= 0) CloseFormatting(open);
      }
      break;
    case Tag::kRp:
    case Tag::kRt:
      if (top_is({Tag::kRp, Tag::kRt})) PopTo(stack_.size() - 1);
      break;
    case Tag::kOption:
    case Tag::kOptgroup:
      if (top_is({Tag::kOption})) PopTo(stack_.size() - 1);
      break;
    default:
      break;
  }
}

void HtmlLayout::OnEndTag(const Token& token) {
  const Tag tag = token.tag;
  const size_t bucket = BucketOf(tag, token.name);
  const auto same = [&](const OpenElement& e) {
    return tag == Tag::kOther ? e.tag == Tag::kOther && SameName(e.name, token.name) : e.tag == tag;
  };
  const auto scope_edge = [](const OpenElement& e) { return HasFlag(e.tag, html::kScopeBoundary); };
  switch (tag) {
    case Tag::kBr:
      if (!Hidden()) lines_.Break();  // "</br>" is read as a br
      return;
    case Tag::kHtml:
    case Tag::kBody:
    case Tag::kHead:
      if (head_ == HeadState::kOpen) CloseHead();
      return;
    case Tag::kTextarea:
    case Tag::kXmp:
      if (raw_shown_) lines_.Boundary(0);
      raw_shown_ = false;
      return;
    case Tag::kP: {
      const int open = open_counts_[bucket] == 0 ? -1 : FindOpen(same, [](const OpenElement& e) {
        return HasFlag(e.tag, html::kScopeBoundary) || e.tag == Tag::kButton;
      });
      if (open >= 0) {
        PopTo(static_cast<size_t>(open));
      } else if (!Hidden()) {
        lines_.Boundary(1);  // a stray </p> is an empty paragraph
      }
      return;
    }
    default:
      break;
  }
  if (IsHeading(tag)) {
    // Any heading ends any other: <h1>...</h2> is one heading.
    const int open = FindOpen([](const OpenElement& e) { return IsHeading(e.tag); }, scope_edge);
    if (open >= 0) PopTo(static_cast<size_t>(open));
    return;
  }
  if (open_counts_[bucket] == 0) return;
  int open = -1;
  if (HasFlag(tag, html::kFormatting)) {
    open = FindOpen(same, scope_edge);
    if (open >= 0) CloseFormatting(open);
    return;
  }
  if (IsTablePart(tag)) {
    open = FindOpen(same, [&](const OpenElement& e) {
      return e.tag == Tag::kTable || e.tag == Tag::kTemplate;
    });
  } else if (tag == Tag::kLi) {
    open = FindOpen(same, [](const OpenElement& e) {
      return HasFlag(e.tag, html::kScopeBoundary) || e.tag == Tag::kOl || e.tag == Tag::kUl;
    });
  } else if (HasFlag(tag, html::kSpecial)) {
    open = FindOpen(same, scope_edge);
  } else {
    // An ordinary inline end tag does not reach past a block opened inside.
    open = FindOpen(same, [](const OpenElement& e) { return HasFlag(e.tag, html::kSpecial); });
  }
  if (open >= 0) PopTo(static_cast<size_t>(open));
}

void HtmlLayout::CloseFormatting(int index) {
  // With a block opened inside it, the element ends where it stands and the
  // block goes on, as a browser rebuilds the tree.
  for (size_t i = static_cast<size_t>(index) + 1; i < stack_.size(); ++i) {
    if (HasFlag(stack_[i].tag, html::kSpecial)) {
      RemoveAt(static_cast<size_t>(index));
      return;
    }
  }
  PopTo(static_cast<size_t>(index));
}

void HtmlLayout::CloseHead() {
  const int head = FindOpen([](const OpenElement& e) { return e.tag == Tag::kHead; },
                            [](const OpenElement&) { return false; });
  if (head >= 0) PopTo(static_cast<size_t>(head));
  head_ = HeadState::kPast;
}

void HtmlLayout::PopTo(size_t index) {
  while (stack_.size() > index) RemoveAt(stack_.size() - 1);
}

void HtmlLayout::RemoveAt(size_t index) {
  OpenElement e = std::move(stack_[index]);
  stack_.erase(stack_.begin() + static_cast<std::ptrdiff_t>(index));
  --open_counts_[e.bucket];
  if (e.hides) --hidden_depth_;
  if (e.tag == Tag::kHead) head_ = HeadState::kPast;
  if (!e.address.empty()) {
    --open_links_;
    if (e.link_text == kNoText) --unstarted_links_;
  }
  if (e.shown) {
    FinishLink(e);
    EdgeOf(e.display);
  }
}

void HtmlLayout::FinishLink(const OpenElement& link) {
  if (link.address.empty()) return;
  if (link.link_text == kNoText) {
    lines_.Space();
    for (char16_t c : link.address) Show(c);
    lines_.Space();
  } else if (lines_.text().compare(link.link_text, std::u16string::npos, link.address) != 0) {
    lines_.AppendToLastText(link.address);
  } else {
    lines_.Space();
  }
}

}  // namespace

std::u16string HtmlToText(std::u16string_view html) { return HtmlLayout(html).Run(); }

}  // namespace vorenta
