#include "mail/html_text.h"

#include <algorithm>
#include <initializer_list>

#include "mail/html_references.h"
#include "mail/html_tags.h"
#include "mail/html_tokenizer.h"
#include "mail/inline_style.h"
#include "mail/line_writer.h"
#include "mail/link_address.h"
#include "mail/open_elements.h"

namespace vorenta {

namespace {

using html::Display;
using html::HasFlag;
using html::OpenElement;
using html::Tag;
using html::Token;
using html::WhiteSpace;

constexpr size_t kMaxDepth = 256;
constexpr size_t kNoText = std::u16string::npos;
constexpr int kNone = html::OpenElements::kNone;

// The first attribute of that name counts, as in a browser.
const html::Attribute* FindAttribute(const Token& token, std::u16string_view lower_name) {
  for (const html::Attribute& attribute : token.attributes) {
    if (attribute.name.size() != lower_name.size()) continue;
    size_t i = 0;
    while (i < lower_name.size() && (attribute.name[i] == lower_name[i] ||
                                     attribute.name[i] + (u'a' - u'A') == lower_name[i])) {
      ++i;
    }
    if (i == lower_name.size()) return &attribute;
  }
  return nullptr;
}

bool HasNonSpace(std::u16string_view text) {
  for (char16_t c : text) {
    if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\f' && c != u'\r') return true;
  }
  return false;
}

constexpr std::initializer_list<Tag> kHeadings = {Tag::kH1, Tag::kH2, Tag::kH3,
                                                  Tag::kH4, Tag::kH5, Tag::kH6};

bool IsHeading(Tag tag) { return tag >= Tag::kH1 && tag <= Tag::kH6; }

bool IsTablePart(Tag tag) {
  switch (tag) {
    case Tag::kTable:
    case Tag::kTbody:
    case Tag::kThead:
    case Tag::kTfoot:
    case Tag::kTr:
    case Tag::kTd:
    case Tag::kTh:
    case Tag::kCaption:
    case Tag::kColgroup:
      return true;
    default:
      return false;
  }
}

// Word and Outlook write each line as a p of a class named Mso..., whose
// style sheet takes its margins away.
bool HasWordParagraphClass(const Token& token) {
  const html::Attribute* attribute = FindAttribute(token, u"class");
  if (attribute == nullptr) return false;
  const std::u16string_view classes = attribute->value;
  for (size_t i = 0; i + 3 <= classes.size(); ++i) {
    const bool word_start = i == 0 || classes[i - 1] == u' ' || classes[i - 1] == u'\t';
    if (word_start && (classes[i] | 0x20) == u'm' && (classes[i + 1] | 0x20) == u's' &&
        (classes[i + 2] | 0x20) == u'o') {
      return true;
    }
  }
  return false;
}

// What an element's own attributes say about its layout.
struct OwnLayout {
  Display display;
  WhiteSpace white_space;
  bool hides;
  // A paragraph's margins that show as empty lines.
  bool blank_before;
  bool blank_after;
};

OwnLayout OwnLayoutOf(const Token& token) {
  OwnLayout own{html::InfoOf(token.tag).display, WhiteSpace::kUnset, false, false, false};
  html::InlineStyle style;
  if (const html::Attribute* attribute = FindAttribute(token, u"style")) {
    style = attribute->value.find(u'&') == std::u16string_view::npos
                ? html::ParseInlineStyle(attribute->value)
                : html::ParseInlineStyle(html::DecodeAttributeValue(attribute->value));
  }
  if (own.display == Display::kParagraph) {
    own.blank_before = own.blank_after = !HasWordParagraphClass(token);
    if (style.margin_top != html::Margin::kUnset) {
      own.blank_before = style.margin_top == html::Margin::kWide;
    }
    if (style.margin_bottom != html::Margin::kUnset) {
      own.blank_after = style.margin_bottom == html::Margin::kWide;
    }
  }
  switch (style.display) {
    case html::StyleDisplay::kNone:
      own.hides = true;
      break;
    case html::StyleDisplay::kInline:
      own.display = Display::kInline;
      break;
    case html::StyleDisplay::kBlock:
      if (own.display != Display::kParagraph) own.display = Display::kBlock;
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

class HtmlLayout {
 public:
  explicit HtmlLayout(std::u16string_view html) : tokenizer_(html), lines_(html.size()) {}

  std::u16string Run();

 private:
  enum class HeadState { kNotYet, kOpen, kPast };

  bool Hidden() const { return hidden_depth_ > 0; }
  WhiteSpace CurrentWhiteSpace() const {
    return open_.empty() ? WhiteSpace::kCollapse : open_.back().white_space;
  }

  void OnText(const Token& token, bool newline_skippable);
  void OnStartTag(const Token& token);
  void OnEndTag(const Token& token);
  void OnVoidElement(const Token& token, const OwnLayout& own);
  void OpenHead();
  void Open(const Token& token, const OwnLayout& own);

  void Write(std::u16string_view text, bool references, WhiteSpace mode, bool newline_skippable);
  void WriteUnit(char16_t c, WhiteSpace mode);
  void Show(char16_t c);
  // The line edge an element's box makes at its start or end; blank: its
  // margin there shows as an empty line.
  void EdgeOf(Display display, bool blank);

  void CloseImplied(Tag tag);
  void CloseFormatting(int index);
  // Closes the element at index and all above it, when index is not below
  // floor (the highest element that stops the search) and not kNone.
  void CloseIfReachable(int index, int floor);
  void CloseHead();
  void PopTo(size_t index);
  void Remove(size_t index);
  void FinishLink(const OpenElement& link);
  void MarkLinkTexts();

  html::Tokenizer tokenizer_;
  html::LineWriter lines_;
  html::OpenElements open_;
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
  for (size_t i = open_.size(); i-- > 0 && unstarted_links_ > 0;) {
    OpenElement& e = open_[i];
    if (!e.address.empty() && e.link_text == kNoText) {
      e.link_text = at;
      --unstarted_links_;
    }
  }
}

void HtmlLayout::EdgeOf(Display display, bool blank) {
  switch (display) {
    case Display::kInline:
      break;
    case Display::kBlock:
      lines_.Boundary(0);
      break;
    case Display::kParagraph:
      lines_.Boundary(blank ? 1 : 0);
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
      if (head_ == HeadState::kNotYet) OpenHead();
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
  EdgeOf(own.display, false);
  if (token.tag == Tag::kImg && open_links_ > 0) {
    if (const html::Attribute* alt = FindAttribute(token, u"alt")) {
      for (char16_t c : html::DecodeAttributeValue(alt->value)) WriteUnit(c, WhiteSpace::kCollapse);
    }
  }
  EdgeOf(own.display, false);
}

void HtmlLayout::OpenHead() {
  if (open_.size() >= kMaxDepth) return;
  head_ = HeadState::kOpen;
  OpenElement head;
  head.tag = Tag::kHead;
  head.hides = true;
  ++hidden_depth_;
  open_.Push(std::move(head));
}

void HtmlLayout::Open(const Token& token, const OwnLayout& own) {
  const Tag tag = token.tag;
  OpenElement e;
  e.tag = tag;
  e.name = token.name;
  e.display = own.display;
  e.hides = own.hides || HasFlag(tag, html::kHiddenSubtree);
  e.shown = !Hidden() && !e.hides;
  e.blank_after = own.blank_after;
  if (own.white_space != WhiteSpace::kUnset) {
    e.white_space = own.white_space;
  } else if (HasFlag(tag, html::kPreformatted)) {
    e.white_space = WhiteSpace::kPreserve;
  } else {
    e.white_space = CurrentWhiteSpace();
  }
  if (e.shown) {
    EdgeOf(e.display, own.blank_before);
    newline_pending_ = tag == Tag::kPre || tag == Tag::kListing;
    if (tag == Tag::kA) {
      if (const html::Attribute* href = FindAttribute(token, u"href")) {
        e.address = html::WebAddress(html::DecodeAttributeValue(href->value));
      }
    }
  }
  if (open_.size() >= kMaxDepth) {
    // Too deep to open: laid out as an empty element.
    if (e.shown) {
      FinishLink(e);
      EdgeOf(e.display, e.blank_after);
    }
    return;
  }
  if (e.hides) ++hidden_depth_;
  if (!e.address.empty()) {
    ++open_links_;
    ++unstarted_links_;
  }
  open_.Push(std::move(e));
}

void HtmlLayout::CloseIfReachable(int index, int floor) {
  if (index != kNone && index >= floor) PopTo(static_cast<size_t>(index));
}

void HtmlLayout::CloseImplied(Tag tag) {
  const int boundary = open_.TopmostScopeBoundary();
  if (HasFlag(tag, html::kClosesParagraph)) {
    CloseIfReachable(open_.Topmost(Tag::kP), std::max(boundary, open_.Topmost(Tag::kButton)));
  }
  const bool top_is_row_part =
      !open_.empty() && (open_.back().tag == Tag::kTable || open_.back().tag == Tag::kTbody ||
                         open_.back().tag == Tag::kThead || open_.back().tag == Tag::kTfoot ||
                         open_.back().tag == Tag::kTr);
  switch (tag) {
    case Tag::kLi:
      // A new item ends the open one, even past a div or p inside it.
      CloseIfReachable(open_.Topmost(Tag::kLi),
                       std::max(open_.TopmostItemEdge(), open_.Topmost({Tag::kDd, Tag::kDt})));
      break;
    case Tag::kDd:
    case Tag::kDt:
      CloseIfReachable(open_.Topmost({Tag::kDd, Tag::kDt}),
                       std::max(open_.TopmostItemEdge(), open_.Topmost(Tag::kLi)));
      break;
    case Tag::kH1:
    case Tag::kH2:
    case Tag::kH3:
    case Tag::kH4:
    case Tag::kH5:
    case Tag::kH6:
      if (!open_.empty() && IsHeading(open_.back().tag)) PopTo(open_.size() - 1);
      break;
    case Tag::kTd:
    case Tag::kTh:
      CloseIfReachable(open_.Topmost({Tag::kTd, Tag::kTh}),
                       open_.Topmost({Tag::kTr, Tag::kTbody, Tag::kThead, Tag::kTfoot, Tag::kTable,
                                      Tag::kTemplate}));
      break;
    case Tag::kTr: {
      const int floor =
          open_.Topmost({Tag::kTbody, Tag::kThead, Tag::kTfoot, Tag::kTable, Tag::kTemplate});
      CloseIfReachable(open_.Topmost(Tag::kTr), floor);
      CloseIfReachable(open_.Topmost({Tag::kTd, Tag::kTh}), floor);
      break;
    }
    case Tag::kTbody:
    case Tag::kThead:
    case Tag::kTfoot:
    case Tag::kCaption:
    case Tag::kColgroup: {
      // Down to the lowest open part of the table.
      const int floor = open_.Topmost({Tag::kTable, Tag::kTemplate});
      int lowest = kNone;
      for (Tag part : {Tag::kTbody, Tag::kThead, Tag::kTfoot, Tag::kCaption, Tag::kColgroup,
                       Tag::kTr, Tag::kTd, Tag::kTh}) {
        const int index = open_.Topmost(part);
        if (index > floor && (lowest == kNone || index < lowest)) lowest = index;
      }
      CloseIfReachable(lowest, floor);
      break;
    }
    case Tag::kTable:
      // A table straight among another's rows is the next table, not a
      // nested one.
      if (top_is_row_part)
        CloseIfReachable(open_.Topmost(Tag::kTable), open_.Topmost(Tag::kTemplate));
      break;
    case Tag::kA: {
      // A link never holds another: the open one ends here.
      const int link = open_.Topmost(Tag::kA);
      if (link != kNone && link >= boundary) CloseFormatting(link);
      break;
    }
    case Tag::kRp:
    case Tag::kRt:
      if (!open_.empty() && (open_.back().tag == Tag::kRp || open_.back().tag == Tag::kRt)) {
        PopTo(open_.size() - 1);
      }
      break;
    case Tag::kOption:
    case Tag::kOptgroup:
      if (!open_.empty() && open_.back().tag == Tag::kOption) PopTo(open_.size() - 1);
      break;
    default:
      break;
  }
}

void HtmlLayout::OnEndTag(const Token& token) {
  const Tag tag = token.tag;
  const int boundary = open_.TopmostScopeBoundary();
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
      const int p = open_.Topmost(Tag::kP);
      if (p != kNone && p >= std::max(boundary, open_.Topmost(Tag::kButton))) {
        PopTo(static_cast<size_t>(p));
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
    CloseIfReachable(open_.Topmost(kHeadings), boundary);
  } else if (HasFlag(tag, html::kFormatting)) {
    const int index = open_.Topmost(tag);
    if (index != kNone && index >= boundary) CloseFormatting(index);
  } else if (IsTablePart(tag)) {
    CloseIfReachable(open_.Topmost(tag), tag == Tag::kTable
                                             ? open_.Topmost(Tag::kTemplate)
                                             : open_.Topmost({Tag::kTable, Tag::kTemplate}));
  } else if (tag == Tag::kLi) {
    CloseIfReachable(open_.Topmost(tag), std::max(boundary, open_.Topmost({Tag::kOl, Tag::kUl})));
  } else if (HasFlag(tag, html::kSpecial)) {
    CloseIfReachable(open_.Topmost(tag), boundary);
  } else {
    // An ordinary inline end tag does not reach past a block opened inside.
    const int special = open_.TopmostSpecial();
    CloseIfReachable(
        tag == Tag::kOther ? open_.TopmostNamed(token.name, special) : open_.Topmost(tag),
        special + 1);
  }
}

void HtmlLayout::CloseFormatting(int index) {
  // With a block opened inside it, the element ends where it stands and the
  // block goes on, as a browser rebuilds the tree.
  if (open_.TopmostSpecial() > index) {
    Remove(static_cast<size_t>(index));
  } else {
    PopTo(static_cast<size_t>(index));
  }
}

void HtmlLayout::CloseHead() {
  const int head = open_.Topmost(Tag::kHead);
  if (head != kNone) PopTo(static_cast<size_t>(head));
  head_ = HeadState::kPast;
}

void HtmlLayout::PopTo(size_t index) {
  while (open_.size() > index) Remove(open_.size() - 1);
}

void HtmlLayout::Remove(size_t index) {
  const OpenElement e = open_.Take(index);
  if (e.hides) --hidden_depth_;
  if (e.tag == Tag::kHead) head_ = HeadState::kPast;
  if (!e.address.empty()) {
    --open_links_;
    if (e.link_text == kNoText) --unstarted_links_;
  }
  if (e.shown) {
    FinishLink(e);
    EdgeOf(e.display, e.blank_after);
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
