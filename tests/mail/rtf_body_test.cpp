#include "mail/rtf_body.h"

#include <gtest/gtest.h>

#include <string>

#include "mail/test_decoder.h"

namespace vorenta {
namespace {

using testing_mail::TestDecoder;

std::u16string Read(std::string_view rtf, RtfBody::Kind kind) {
  const auto body = ReadRtfBody(rtf, TestDecoder());
  if (!body) return u"(nullopt)";
  if (body->kind != kind) return u"(other kind)";
  return body->content;
}

TEST(ReadRtfBody, DeEncapsulatesAnHtmlNewsletter) {
  // As Outlook writes it: the header's tables, tags in htmltag groups, the
  // RTF rendering between \htmlrtf and \htmlrtf0, Shift_JIS text in \'hh
  // and a character outside code page 932 in \u. Source line breaks are
  // not text.
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg932\\fromhtml1 \\fbidis \\deff0{\\fonttbl\r\n"
      "{\\f0\\fswiss\\fcharset128 MS PGothic;}{\\f1\\fmodern\\fcharset0 Courier New;}}\r\n"
      "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
      "\\uc1\\pard\\plain\\deftab360 \\plain\\f0\\fs24 {\\*\\htmltag19 <html>}\r\n"
      "{\\*\\htmltag34 <head>}{\\*\\htmltag241 <style>\\par p \\{margin:0\\}\\par </style>}\r\n"
      "{\\*\\htmltag41 </head>}{\\*\\htmltag50 <body>}\\htmlrtf \\lang1041 \\htmlrtf0 \r\n"
      "{\\*\\htmltag64 <p>}\\htmlrtf {\\htmlrtf0 \\'90\\'56\\'92\\'85\\'8f\\'ee\\'95\\'f1 "
      "\\u9733 ?\r\n"
      "{\\*\\htmltag84 <a href=\"http://shop.example.jp/new?a=1&amp;b=2\">}\\htmlrtf "
      "{\\field{\\*\\fldinst{HYPERLINK \"http://shop.example.jp/new\"}}{\\fldrslt\\cf1\\ul "
      "\\htmlrtf0 \\'83\\'5a\\'81\\'5b\\'83\\'8b\\htmlrtf }\\htmlrtf0 \\htmlrtf }\\htmlrtf0 \r\n"
      "{\\*\\htmltag92 </a>}\\htmlrtf\\par}\\htmlrtf0\r\n"
      "{\\*\\htmltag72 </p>}{\\*\\htmltag58 </body>}{\\*\\htmltag27 </html>}}\r\n";
  EXPECT_EQ(Read(rtf, RtfBody::Kind::kHtml),
            u"<html><head><style>\r\np {margin:0}\r\n</style></head><body><p>新着情報 ★"
            u"<a href=\"http://shop.example.jp/new?a=1&amp;b=2\">セール</a></p></body></html>");
}

struct RtfCase {
  const char* name;
  std::string rtf;
  std::u16string content;
};

TEST(ReadRtfBody, GivesTheEncapsulatedHtml) {
  const RtfCase cases[] = {
      {"HtmlRtfRunsAreDropped", "a\\htmlrtf b\\htmlrtf1 c\\htmlrtf0 d", u"ad"},
      {"HtmlRtfEndsWithItsGroup", "{\\htmlrtf a}b", u"b"},
      {"HtmlTagShowsEvenWithinHtmlRtf", "\\htmlrtf {\\*\\htmltag4 <br>}x\\htmlrtf0 y", u"<br>y"},
      {"EscapedBracesAndBackslash", "{\\*\\htmltag0 \\{\\}\\\\}", u"{}\\"},
      {"ParTabLine", "{\\*\\htmltag0 a\\par b\\tab c\\line d}", u"a\r\nb\tc\r\nd"},
      {"MhtmlTagIsSkipped", "{\\*\\mhtmltag84 <img src=cid:x>}{\\*\\htmltag84 <img>}", u"<img>"},
      {"NegativeUnicodeAndSurrogates", "\\u-4064?\\u-10179?\\u-8704?", u"\uF020\U0001F600"},
      {"FallbackCountFromUc", "\\uc2\\u12354\\'82\\'a0x\\uc0\\u12356 y", u"あxいy"},
      {"FallbackEndsAtAGroup", "\\uc3\\u12354 a{\\*\\htmltag0 b}c", u"あbc"},
      {"UnicodeWithinHtmlRtfIsHidden", "\\htmlrtf \\u12354 ?\\htmlrtf0 x", u"x"},
      {"TagTextInTheDocumentCodePage",
       "{\\fonttbl{\\f1\\fcharset204 Cyr;}}\\f1 {\\*\\htmltag0 \\'e0}\\'e0", u"\u00e0<1251>\u00e0"},
  };
  for (const RtfCase& c : cases) {
    EXPECT_EQ(Read("{\\rtf1\\ansi\\fromhtml1 " + c.rtf + "}", RtfBody::Kind::kHtml), c.content)
        << c.name;
  }
}

TEST(ReadRtfBody, GivesTheDocumentsText) {
  const RtfCase cases[] = {
      {"TablesAndInfoAreNotText",
       "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0"
       "\\blue0;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}\\pard "
       "Hello\\par World\\line x\\tab y}",
       u"Hello\r\nWorld\r\nx\ty"},
      {"PicturesObjectsAndStarredGroupsAreNotText",
       "{\\rtf1 a{\\pict\\pngblip 89504e47}b{\\object{\\objdata 0102}{\\result r}}c"
       "{\\*\\generator Riched20;}{\\*\\htmltag0 <p>}d}",
       u"abcd"},
      {"FieldShowsItsResultNotItsInstruction",
       "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://e.jp/a\"}{\\fldrslt "
       "http://e.jp/}}}",
       u"http://e.jp/"},
      {"FromTextIsText", "{\\rtf1\\ansi\\fromtext a\\htmlrtf b\\htmlrtf0 c}", u"ac"},
      {"FromHtmlAfterTextDoesNotCount", "{\\rtf1 a\\fromhtml1 {\\*\\htmltag0 b}}", u"a"},
      {"DoubleByteRunsInTheDocumentCodePage",
       "{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'95\\\\\\'95\\'5c}", u"あ表表"},
      {"FontCharsetGivesTheCodePage",
       "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset128 Gothic;}}"
       "\\f1 \\'82\\'a0{\\f0 \\'e9}\\plain \\'e9}",
       u"あéé"},
      {"CpgOverridesTheCharset", "{\\rtf1{\\fonttbl{\\f2\\fcharset0\\cpg932 G;}}\\f2 \\'82\\'a0}",
       u"あ"},
      {"ALineBreakSplitsADoubleByteCharacter", "{\\rtf1\\ansicpg932 \\'83\\par\\'5a}",
       u"\uFFFD\r\nZ"},
      {"BinaryDataIsPassedOver", "{\\rtf1 a\\bin4 {}\\\\b}", u"ab"},
      {"BinaryLengthPastTheEnd", "{\\rtf1 a\\bin99 xyz", u"a"},
      {"Symbols",
       "{\\rtf1 a\\~b\\_c\\-d\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote"
       "\\rdblquote\\\r\ne}",
       u"a\u00A0b-cd\u2014\u2013\u2022\u2018\u2019\u201C\u201D\r\ne"},
      {"TextAfterTheDocumentsGroupIsIgnored", "{\\rtf1 a}b{c}", u"a"},
      {"UnclosedDocumentKeepsItsText", "{\\rtf1 a{\\b b", u"ab"},
      {"HugeParametersAreClamped",
       "{\\rtf1 \\uc0\\u99999999999999 {\\uc99999999999 \\u-99999999999 xyz}}",
       std::u16string(u"\uFFFF\0", 2)},
  };
  for (const RtfCase& c : cases) {
    EXPECT_EQ(Read(c.rtf, RtfBody::Kind::kText), c.content) << c.name;
  }
}

TEST(ReadRtfBody, GroupsDeeperThanTheCapAreDropped) {
  const auto nested = [](int depth) {
    return "{\\rtf1 a" + std::string(depth - 1, '{') + "b" + std::string(depth - 1, '}') + "c}";
  };
  EXPECT_EQ(Read(nested(kMaxRtfGroupDepth), RtfBody::Kind::kText), u"abc");
  EXPECT_EQ(Read(nested(kMaxRtfGroupDepth + 1), RtfBody::Kind::kText), u"ac");
  EXPECT_EQ(Read(nested(200000), RtfBody::Kind::kText), u"ac");
}

TEST(ReadRtfBody, RefusesWhatIsNotRtf) {
  const std::string not_rtf[] = {"", "hello", "{\\rt", "{rtf1}", std::string("\0{\\rtf1}", 8)};
  for (const std::string& bytes : not_rtf) {
    EXPECT_EQ(ReadRtfBody(bytes, TestDecoder()), std::nullopt) << bytes;
  }
  EXPECT_EQ(Read(" \r\n{\\rtf1 a}", RtfBody::Kind::kText), u"a");
}

}  // namespace
}  // namespace vorenta
