#include "mail/html_tags.h"

#include <algorithm>
#include <array>

namespace vorenta::html {

namespace {

constexpr uint16_t kBlockStart = kSpecial | kClosesParagraph;

constexpr std::array<TagInfo, kKnownTagCount + 1> kTags = {{
    {"a", Tag::kA, kFormatting, Display::kInline},
    {"address", Tag::kAddress, kBlockStart, Display::kBlock},
    {"applet", Tag::kApplet, kSpecial | kScopeBoundary, Display::kInline},
    {"area", Tag::kArea, kVoid | kSpecial, Display::kInline},
    {"article", Tag::kArticle, kBlockStart, Display::kBlock},
    {"aside", Tag::kAside, kBlockStart, Display::kBlock},
    {"b", Tag::kB, kFormatting, Display::kInline},
    {"base", Tag::kBase, kVoid | kSpecial | kHeadContent, Display::kInline},
    {"basefont", Tag::kBasefont, kVoid | kSpecial | kHeadContent, Display::kInline},
    {"bgsound", Tag::kBgsound, kVoid | kSpecial | kHeadContent, Display::kInline},
    {"big", Tag::kBig, kFormatting, Display::kInline},
    {"blockquote", Tag::kBlockquote, kBlockStart, Display::kBlock},
    {"body", Tag::kBody, kSpecial, Display::kBlock},
    {"br", Tag::kBr, kVoid | kSpecial, Display::kInline},
    {"button", Tag::kButton, kSpecial, Display::kInline},
    {"caption", Tag::kCaption, kSpecial | kScopeBoundary, Display::kBlock},
    {"center", Tag::kCenter, kBlockStart, Display::kBlock},
    {"code", Tag::kCode, kFormatting, Display::kInline},
    {"col", Tag::kCol, kVoid | kSpecial, Display::kInline},
    {"colgroup", Tag::kColgroup, kSpecial, Display::kInline},
    {"datalist", Tag::kDatalist, kHiddenSubtree, Display::kInline},
    {"dd", Tag::kDd, kBlockStart, Display::kBlock},
    {"details", Tag::kDetails, kBlockStart, Display::kBlock},
    {"dialog", Tag::kDialog, kClosesParagraph, Display::kBlock},
    {"dir", Tag::kDir, kBlockStart, Display::kBlock},
    {"div", Tag::kDiv, kBlockStart, Display::kBlock},
    {"dl", Tag::kDl, kBlockStart, Display::kBlock},
    {"dt", Tag::kDt, kBlockStart, Display::kBlock},
    {"em", Tag::kEm, kFormatting, Display::kInline},
    {"embed", Tag::kEmbed, kVoid | kSpecial, Display::kInline},
    {"fieldset", Tag::kFieldset, kBlockStart, Display::kBlock},
    {"figcaption", Tag::kFigcaption, kBlockStart, Display::kBlock},
    {"figure", Tag::kFigure, kBlockStart, Display::kBlock},
    {"font", Tag::kFont, kFormatting, Display::kInline},
    {"footer", Tag::kFooter, kBlockStart, Display::kBlock},
    {"form", Tag::kForm, kBlockStart, Display::kBlock},
    {"frame", Tag::kFrame, kVoid | kSpecial, Display::kInline},
    {"frameset", Tag::kFrameset, kSpecial, Display::kBlock},
    {"h1", Tag::kH1, kBlockStart, Display::kBlock},
    {"h2", Tag::kH2, kBlockStart, Display::kBlock},
    {"h3", Tag::kH3, kBlockStart, Display::kBlock},
    {"h4", Tag::kH4, kBlockStart, Display::kBlock},
    {"h5", Tag::kH5, kBlockStart, Display::kBlock},
    {"h6", Tag::kH6, kBlockStart, Display::kBlock},
    {"head", Tag::kHead, kSpecial | kHeadContent, Display::kInline},
    {"header", Tag::kHeader, kBlockStart, Display::kBlock},
    {"hgroup", Tag::kHgroup, kBlockStart, Display::kBlock},
    {"hr", Tag::kHr, kVoid | kBlockStart, Display::kBlock},
    {"html", Tag::kHtml, kSpecial | kScopeBoundary, Display::kBlock},
    {"i", Tag::kI, kFormatting, Display::kInline},
    {"iframe", Tag::kIframe, kSpecial | kRawHidden, Display::kInline},
    {"img", Tag::kImg, kVoid | kSpecial, Display::kInline},
    {"input", Tag::kInput, kVoid | kSpecial, Display::kInline},
    {"keygen", Tag::kKeygen, kVoid | kSpecial, Display::kInline},
    {"legend", Tag::kLegend, 0, Display::kBlock},
    {"li", Tag::kLi, kBlockStart, Display::kBlock},
    {"link", Tag::kLink, kVoid | kSpecial | kHeadContent, Display::kInline},
    {"listing", Tag::kListing, kBlockStart | kPreformatted, Display::kBlock},
    {"main", Tag::kMain, kBlockStart, Display::kBlock},
    {"marquee", Tag::kMarquee, kSpecial | kScopeBoundary, Display::kInline},
    {"menu", Tag::kMenu, kBlockStart, Display::kBlock},
    {"meta", Tag::kMeta, kVoid | kSpecial | kHeadContent, Display::kInline},
    {"nav", Tag::kNav, kBlockStart, Display::kBlock},
    {"nobr", Tag::kNobr, kFormatting, Display::kInline},
    {"noembed", Tag::kNoembed, kSpecial | kRawHidden, Display::kInline},
    {"noframes", Tag::kNoframes, kSpecial | kRawHidden | kHeadContent, Display::kInline},
    // Mail is read as a browser with scripts on shows it: noscript's text is
    // the "turn on JavaScript" notice, not part of the letter.
    {"noscript", Tag::kNoscript, kSpecial | kRawHidden | kHeadContent, Display::kInline},
    {"object", Tag::kObject, kSpecial | kScopeBoundary, Display::kInline},
    {"ol", Tag::kOl, kBlockStart, Display::kBlock},
    {"optgroup", Tag::kOptgroup, 0, Display::kBlock},
    {"option", Tag::kOption, 0, Display::kInline},
    {"p", Tag::kP, kBlockStart, Display::kParagraph},
    {"param", Tag::kParam, kVoid | kSpecial, Display::kInline},
    {"plaintext", Tag::kPlaintext, kBlockStart | kRawShown | kPreformatted, Display::kBlock},
    {"pre", Tag::kPre, kBlockStart | kPreformatted, Display::kBlock},
    {"rp", Tag::kRp, kHiddenSubtree, Display::kInline},
    {"rt", Tag::kRt, 0, Display::kInline},
    {"s", Tag::kS, kFormatting, Display::kInline},
    {"script", Tag::kScript, kSpecial | kRawHidden | kHeadContent, Display::kInline},
    {"search", Tag::kSearch, kBlockStart, Display::kBlock},
    {"section", Tag::kSection, kBlockStart, Display::kBlock},
    {"select", Tag::kSelect, kSpecial, Display::kInline},
    {"small", Tag::kSmall, kFormatting, Display::kInline},
    {"source", Tag::kSource, kVoid | kSpecial, Display::kInline},
    {"strike", Tag::kStrike, kFormatting, Display::kInline},
    {"strong", Tag::kStrong, kFormatting, Display::kInline},
    {"style", Tag::kStyle, kSpecial | kRawHidden | kHeadContent, Display::kInline},
    {"summary", Tag::kSummary, kBlockStart, Display::kBlock},
    {"table", Tag::kTable, kBlockStart | kScopeBoundary, Display::kBlock},
    {"tbody", Tag::kTbody, kSpecial, Display::kBlock},
    {"td", Tag::kTd, kSpecial | kScopeBoundary, Display::kCell},
    {"template", Tag::kTemplate, kSpecial | kScopeBoundary | kHiddenSubtree | kHeadContent,
     Display::kInline},
    {"textarea", Tag::kTextarea, kSpecial | kRawShown | kPreformatted, Display::kBlock},
    {"tfoot", Tag::kTfoot, kSpecial, Display::kBlock},
    {"th", Tag::kTh, kSpecial | kScopeBoundary, Display::kCell},
    {"thead", Tag::kThead, kSpecial, Display::kBlock},
    {"title", Tag::kTitle, kSpecial | kRawHidden | kHeadContent, Display::kInline},
    {"tr", Tag::kTr, kSpecial, Display::kBlock},
    {"track", Tag::kTrack, kVoid | kSpecial, Display::kInline},
    {"tt", Tag::kTt, kFormatting, Display::kInline},
    {"u", Tag::kU, kFormatting, Display::kInline},
    {"ul", Tag::kUl, kBlockStart, Display::kBlock},
    {"wbr", Tag::kWbr, kVoid | kSpecial, Display::kInline},
    {"xmp", Tag::kXmp, kBlockStart | kRawShown | kPreformatted, Display::kBlock},
    {"", Tag::kOther, 0, Display::kInline},
}};

constexpr bool TableMatchesEnum() {
  for (size_t i = 0; i < kTags.size(); ++i) {
    if (static_cast<size_t>(kTags[i].tag) != i) return false;
    if (i > 0 && i + 1 < kTags.size() && !(kTags[i - 1].name < kTags[i].name)) return false;
  }
  return true;
}
static_assert(TableMatchesEnum(), "kTags must follow Tag's order, which is name order");

constexpr size_t kLongestName = 10;  // blockquote, figcaption

// Where the names of each first letter begin in kTags; a name is then found
// among a dozen at most.
constexpr std::array<uint8_t, 27> FirstLetterStarts() {
  std::array<uint8_t, 27> starts{};
  size_t i = 0;
  for (int letter = 0; letter < 26; ++letter) {
    starts[letter] = static_cast<uint8_t>(i);
    while (i < kKnownTagCount && kTags[i].name[0] == 'a' + letter) ++i;
  }
  starts[26] = static_cast<uint8_t>(i);
  return starts;
}
constexpr std::array<uint8_t, 27> kFirstLetterStarts = FirstLetterStarts();
static_assert(kFirstLetterStarts[26] == kKnownTagCount);

}  // namespace

Tag LookupTag(std::u16string_view name) {
  if (name.empty() || name.size() > kLongestName) return Tag::kOther;
  char lowered[kLongestName];
  for (size_t i = 0; i < name.size(); ++i) {
    char16_t c = name[i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
    if (c > 0x7F) return Tag::kOther;
    lowered[i] = static_cast<char>(c);
  }
  if (lowered[0] < 'a' || lowered[0] > 'z') return Tag::kOther;
  const int letter = lowered[0] - 'a';
  for (size_t i = kFirstLetterStarts[letter]; i < kFirstLetterStarts[letter + 1]; ++i) {
    const std::string_view candidate = kTags[i].name;
    if (candidate.size() != name.size()) continue;
    size_t k = 1;
    while (k < name.size() && candidate[k] == lowered[k]) ++k;
    if (k == name.size()) return kTags[i].tag;
  }
  return Tag::kOther;
}

const TagInfo& InfoOf(Tag tag) { return kTags[static_cast<size_t>(tag)]; }

}  // namespace vorenta::html
