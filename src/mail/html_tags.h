#pragma once
// The HTML elements whose names change how a mail's text is laid out, and
// what each one does to the lines. Any other name is Tag::kOther.

#include <cstdint>
#include <string_view>

namespace vorenta::html {

// In name order: the table in html_tags.cpp is checked against it.
enum class Tag : uint8_t {
  kA,
  kAddress,
  kApplet,
  kArea,
  kArticle,
  kAside,
  kB,
  kBase,
  kBasefont,
  kBgsound,
  kBig,
  kBlockquote,
  kBody,
  kBr,
  kButton,
  kCaption,
  kCenter,
  kCode,
  kCol,
  kColgroup,
  kDatalist,
  kDd,
  kDetails,
  kDialog,
  kDir,
  kDiv,
  kDl,
  kDt,
  kEm,
  kEmbed,
  kFieldset,
  kFigcaption,
  kFigure,
  kFont,
  kFooter,
  kForm,
  kFrame,
  kFrameset,
  kH1,
  kH2,
  kH3,
  kH4,
  kH5,
  kH6,
  kHead,
  kHeader,
  kHgroup,
  kHr,
  kHtml,
  kI,
  kIframe,
  kImg,
  kInput,
  kKeygen,
  kLegend,
  kLi,
  kLink,
  kListing,
  kMain,
  kMarquee,
  kMenu,
  kMeta,
  kNav,
  kNobr,
  kNoembed,
  kNoframes,
  kNoscript,
  kObject,
  kOl,
  kOptgroup,
  kOption,
  kP,
  kParam,
  kPlaintext,
  kPre,
  kRp,
  kRt,
  kS,
  kScript,
  kSearch,
  kSection,
  kSelect,
  kSmall,
  kSource,
  kStrike,
  kStrong,
  kStyle,
  kSummary,
  kTable,
  kTbody,
  kTd,
  kTemplate,
  kTextarea,
  kTfoot,
  kTh,
  kThead,
  kTitle,
  kTr,
  kTrack,
  kTt,
  kU,
  kUl,
  kWbr,
  kXmp,
  kOther
};
inline constexpr int kKnownTagCount = static_cast<int>(Tag::kOther);

enum TagFlag : uint16_t {
  kVoid = 1 << 0,  // never has content, so never stays open
  // An end tag of an ordinary inline element does not reach past one of these.
  kSpecial = 1 << 1,
  // Closed by its end tag even when blocks were opened inside it.
  kFormatting = 1 << 2,
  // End tags of elements outside do not reach in (cells, tables, templates).
  kScopeBoundary = 1 << 3,
  kClosesParagraph = 1 << 4,  // its start tag ends an open p
  kHeadContent = 1 << 5,      // may appear in head without ending it
  kRawHidden = 1 << 6,        // raw text never shown (scripts, styles, titles)
  kRawShown = 1 << 7,         // raw text shown as written (textarea, xmp, plaintext)
  kHiddenSubtree = 1 << 8,    // parsed as usual but never shown (template, rp)
  kPreformatted = 1 << 9,     // keeps its spaces and line breaks
};

// How an element breaks lines when the inline style does not say otherwise.
enum class Display : uint8_t {
  kInline,
  kBlock,      // starts and ends a line
  kParagraph,  // a block with an empty line before and after
  kCell,       // a table cell: one space from its neighbours on the row's line
};

struct TagInfo {
  std::string_view name;
  Tag tag;
  uint16_t flags;
  Display display;
};

// ASCII letters in any case; kOther for every name not in the table.
Tag LookupTag(std::u16string_view name);

const TagInfo& InfoOf(Tag tag);

inline bool HasFlag(Tag tag, uint16_t flag) { return (InfoOf(tag).flags & flag) != 0; }

}  // namespace vorenta::html
