#include "mail/html_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorenta {
namespace {

std::u16string Joined(const std::vector<std::u16string>& lines) {
  std::u16string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? u"\r\n" : u"") + lines[i];
  return text;
}

struct HtmlCase {
  const char* name;
  std::u16string html;
  std::vector<std::u16string> lines;
};

void PrintTo(const HtmlCase& c, std::ostream* os) { *os << c.name; }

class HtmlToTextTest : public testing::TestWithParam<HtmlCase> {};

TEST_P(HtmlToTextTest, GivesTheLinesAReaderSees) {
  EXPECT_EQ(HtmlToText(GetParam().html), Joined(GetParam().lines));
}

auto CaseName = [](const testing::TestParamInfo<HtmlCase>& info) {
  return std::string(info.param.name);
};

INSTANTIATE_TEST_SUITE_P(
    Blocks, HtmlToTextTest,
    testing::Values(
        HtmlCase{"ParagraphsLeaveOneEmptyLine", u"<p>一</p><p>二</p>", {u"一", u"", u"二"}},
        HtmlCase{"WordParagraphsLeaveNoEmptyLines",
                 u"<p class=MsoNormal>一<o:p></o:p></p>\r\n<p class=MsoNormal><o:p>&nbsp;</o:p></p>"
                 u"<p class=\"x MsoListParagraph\">二</p>",
                 {u"一", u" ", u"二"}},
        HtmlCase{
            "WideMarginsAloneGiveEmptyLines",
            u"<p style=\"margin:0\">a</p><p style=\"margin:0 0 10px\">b</p>"
            u"<p style=\"margin-top:0;margin-bottom:.0001pt\">c</p><p style=\"margin:.5em 0 0\">d",
            {u"a", u"b", u"", u"c", u"", u"d"}},
        HtmlCase{"NestedBlocksLeaveNoEmptyLines",
                 u"<div><div><div>a</div></div>\n<div>b</div></div>",
                 {u"a", u"b"}},
        HtmlCase{"TwoBreaksGiveAnEmptyLine", u"a<br><br>b", {u"a", u"", u"b"}},
        HtmlCase{"BreakClosingABlockAddsNoLine", u"<div>a<br></div><div>b</div>", {u"a", u"b"}},
        HtmlCase{"BlockOfABreakIsAnEmptyLine",
                 u"<div>a</div><div><br></div><div>b</div>",
                 {u"a", u"", u"b"}},
        HtmlCase{"BreakAfterParagraphAddsALine", u"<p>a</p><br><p>b</p>", {u"a", u"", u"", u"b"}},
        HtmlCase{"NoEmptyLineAtEitherEnd", u"<br><p>a</p><br><br><p></p>", {u"a"}},
        HtmlCase{"ListsHeadingsAndRules",
                 u"<h1>見出し</h1><ul><li>一<li>二</ul>後<hr>末",
                 {u"見出し", u"一", u"二", u"後", u"末"}},
        HtmlCase{"InlineElementsShareTheLine",
                 u"<b>太字</b><span>と</span><i>斜体</i> <font color=red>x</font>",
                 {u"太字と斜体 x"}},
        HtmlCase{"StyleDisplayBlockBreaks",
                 u"<a>x</a><span style=\"display:block\">y</span>z",
                 {u"x", u"y", u"z"}},
        HtmlCase{
            "StyleDisplayInlineJoins",
            u"<div style=\"display:inline\">a</div><div style=\"DISPLAY: inline-block\">b</div>",
            {u"ab"}},
        HtmlCase{
            "AnyHeadingEndTagEndsAHeading", u"<h1>a</h2>b<h3>c<h4>d", {u"a", u"b", u"c", u"d"}},
        HtmlCase{"DefinitionListItemsEndEachOther",
                 u"<dl><dt>語<dd>意味<div>補足</div><dt>次</dl>",
                 {u"語", u"意味", u"補足", u"次"}},
        HtmlCase{"StrayEndOfParagraphIsAnEmptyOne", u"a</p>b", {u"a", u"", u"b"}},
        HtmlCase{"BlockEndsAnOpenParagraph", u"<p>a<div>b</div>c", {u"a", u"", u"b", u"c"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Tables, HtmlToTextTest,
    testing::Values(
        HtmlCase{
            "CellsOfARowShareALine",
            u"<table><tr><td>商品</td>\n<td>価格</td></tr><tr><th>A</th><th>B</th></tr></table>",
            {u"商品 価格", u"A B"}},
        HtmlCase{"UnclosedCellsAndRows",
                 u"<table><tr><td>a<td>b<tr><td>c</table>d",
                 {u"a b", u"c", u"d"}},
        HtmlCase{"EmptyCellsAddNoSpaces",
                 u"<table><tr><td></td><td> x </td><td>&#32;</td><td>y</td></tr></table>",
                 {u"x y"}},
        HtmlCase{"NestedTableBreaksItsCell",
                 u"<table><tr><td>外<table><tr><td>内1<td>内2</table></td><td>右</td></tr></table>",
                 {u"外", u"内1 内2", u"右"}},
        HtmlCase{"EndTagInACellDoesNotCloseOutside",
                 u"<div><table><tr><td>a</div>b</td><td>c</td></tr></table></div>",
                 {u"ab c"}},
        HtmlCase{"TableAmongRowsEndsTheTable",
                 u"<table hidden><tr><td>a</td></tr><table><tr><td>b</td><td>c</td></tr></table>",
                 {u"b c"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    WhiteSpace, HtmlToTextTest,
    testing::Values(HtmlCase{"SpacesCollapseAndEndsAreTrimmed", u"  a \t\r\n\f b  ", {u"a b"}},
                    HtmlCase{"PreKeepsSpacesAndBreaks",
                             u"<pre>\n  a  b\r\n\r\n\tc</pre> d  e",
                             {u"  a  b", u"", u"\tc", u"d e"}},
                    HtmlCase{"ListingDropsOnlyItsFirstLineBreak",
                             u"a<listing>\r\n\r\nx  y</listing>",
                             {u"a", u"", u"x  y"}},
                    HtmlCase{"SurrogatePairsPassThrough", u"😀 &#128512;", {u"😀 😀"}},
                    HtmlCase{"PreStyleKeepsThem",
                             u"<div style=\"white-space:pre-wrap\">a  b\nc</div>",
                             {u"a  b", u"c"}},
                    HtmlCase{"PreLineKeepsOnlyBreaks",
                             u"<div style=\"white-space: pre-line\">a   b\rc</div>",
                             {u"a b", u"c"}},
                    HtmlCase{"NormalInsidePreCollapses",
                             u"<pre>a  <span style=\"white-space:normal\">b   c</span></pre>",
                             {u"a  b c"}},
                    HtmlCase{"TextareaAndXmpAreRawText",
                             u"<textarea>\n<b>x</b> &amp;</textarea><xmp><i>y</i> &amp;</xmp>",
                             {u"<b>x</b> &", u"<i>y</i> &amp;"}},
                    HtmlCase{"PlaintextTakesTheRest",
                             u"a<plaintext></plaintext><b>",
                             {u"a", u"</plaintext><b>"}},
                    HtmlCase{"NoBreakSpaceNeitherCollapsesNorVanishes",
                             u"&nbsp;a &nbsp; b\u00A0",
                             {u" a   b "}},
                    HtmlCase{"NewlineReferencesAreSpacesOutsidePre",
                             u"a&#10;&#13;b<pre>c&#10;d</pre>",
                             {u"a b", u"c", u"d"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Hidden, HtmlToTextTest,
    testing::Values(
        HtmlCase{"HeadAndScripts",
                 u"<html><head><title>件名</title><style>p{}</style><meta charset=\"utf-8\">"
                 u"<script>var a = \"<p>x</p>\";</script></head><body>本文</body></html>",
                 {u"本文"}},
        HtmlCase{"UnclosedHeadEndsAtTheLetter", u"<head><meta charset=utf-8><p>本文", {u"本文"}},
        HtmlCase{"TextInHeadEndsIt", u"<head><title>t</title>本文<p>次", {u"本文", u"", u"次"}},
        HtmlCase{"HeadAfterTheLetterIsIgnored", u"<p>a</p><head>b", {u"a", u"", u"b"}},
        HtmlCase{"RawTextEndsOnlyAtItsOwnEndTag",
                 u"<script>a</scriptx>b</SCRIPT\n>c<title>t</title >d<style>e</style",
                 {u"cd"}},
        HtmlCase{"CommentsAndDoctypes",
                 u"<!DOCTYPE html><!-- c -->a<!--[if mso]>b<![endif]-->c<?xml x?>"
                 u"<![if !mso]>d<![endif]><!-->e<!--->f<!---->g<!-- x --!>h",
                 {u"acdefgh"}},
        HtmlCase{"NoscriptTemplateAndRubyParentheses",
                 u"<noscript>JS</noscript><template><p>t</p></template>"
                 u"<ruby>漢<rp>(</rp><rt>かん</rt><rp>)</rp></ruby>",
                 {u"漢かん"}},
        HtmlCase{"DisplayNoneInAnyForm",
                 u"<div style=\"display:none\">a</div><span style=\"DISPLAY : NONE !important\">b"
                 u"</span><p style=\"color:red;display:none;\">c</p>v",
                 {u"v"}},
        HtmlCase{"LastDisplayWinsUnlessImportant",
                 u"<span style=\"display:none;display:inline\">a</span>"
                 u"<span style=\"display:none!important;display:inline\">b</span>",
                 {u"a"}},
        HtmlCase{"HiddenAttributeUnlessStyleShows",
                 u"<div hidden>a</div><div HIDDEN=\"false\">b</div><div hidden "
                 u"style=\"display:block\">c",
                 {u"c"}},
        HtmlCase{"SemicolonInQuotesDoesNotSplit",
                 u"<span style=\"font-family:'a;display:none'\">shown</span>",
                 {u"shown"}},
        HtmlCase{"StyleCommentsAndParenthesesDoNotHide",
                 u"<span style=\"/* display:none */ color:red\">a</span>"
                 u"<span style=\"background:url(x;display:none)\">b</span>",
                 {u"ab"}},
        HtmlCase{"HiddenSubtreeEndsAtItsOwnEndTag",
                 u"<div style=\"display:none\"><div>a</div>b</div>c",
                 {u"c"}},
        HtmlCase{
            "UnclosedHiddenEndsWithItsParent",
            u"<table><tr><td><span hidden>a</td><td>b</td></tr></table><ul><li hidden>c<li>d</ul>",
            {u"b", u"d"}},
        HtmlCase{
            "HiddenEmptyElementsDoNothing",
            u"a<br hidden>b<a href=\"http://e.jp/\"><img alt=\"x\" style=\"display:none\">y</a>",
            {u"aby http://e.jp/"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    References, HtmlToTextTest,
    testing::Values(
        HtmlCase{"NumericWithOrWithoutSemicolon", u"&#12354;&#x3042;&#X3042&#12354", {u"ああああ"}},
        HtmlCase{"InvalidCodePointsAreReplaced",
                 u"&#0;&#xD800;&#x110000;&#99999999999999999999;",
                 {u"\uFFFD\uFFFD\uFFFD\uFFFD"}},
        HtmlCase{"AboveTheBmpIsASurrogatePair", u"&#x1F389;&#127881;", {u"\U0001F389\U0001F389"}},
        HtmlCase{"C1RangeIsWindows1252", u"&#150;&#x80;&#x81;", {u"–€\u0081"}},
        HtmlCase{"NamedReferencesOfMail",
                 u"&amp;&lt;&gt;&quot;&apos;&copy;&reg;&trade;&hellip;&mdash;&ndash;&laquo;&raquo;"
                 u"&lsquo;&rsquo;&ldquo;&rdquo;&bull;&middot;&yen;&times;&divide;&deg;&plusmn;"
                 u"&para;&sect;&euro;&cent;&pound;",
                 {u"&<>\"'©®™…—–«»‘’“”•·¥×÷°±¶§€¢£"}},
        HtmlCase{"SpacesAndJoinersKeepTheirCodePoints",
                 u"a&thinsp;b&ensp;c&emsp;d&zwj;e&zwnj;f&shy;g",
                 {u"a\u2009b\u2002c\u2003d\u200De\u200Cf\u00ADg"}},
        HtmlCase{"UnknownOrUnendedNamesStayText",
                 u"&foo; &hellip &#; &#x; & x",
                 {u"&foo; &hellip &#; &#x; & x"}},
        HtmlCase{
            "OldNamesNeedNoSemicolon", u"&copy2026 &notin; &notit; &amp", {u"©2026 ∉ ¬it; &"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Links, HtmlToTextTest,
    testing::Values(
        HtmlCase{
            "AddressFollowsTheText",
            u"詳しくは<a href=\"https://shop.example.jp/x?a=1&amp;b=2\">こちら</a>をご覧ください",
            {u"詳しくはこちら https://shop.example.jp/x?a=1&b=2 をご覧ください"}},
        HtmlCase{"TextThatIsTheAddressIsWrittenOnce",
                 u"<a href=\"https://e.jp/a\"> https://e.jp/a </a>",
                 {u"https://e.jp/a"}},
        HtmlCase{"PictureLinkGivesItsAlt",
                 u"<a href=\"https://e.jp/s\"><img src=\"s.jpg\" alt=\"セール\"></a>",
                 {u"セール https://e.jp/s"}},
        HtmlCase{
            "LinkWithoutTextGivesTheAddressAlone",
            u"前<a href=\"http://e.jp/1\"><img src=\"s.jpg\"></a><a href=\"http://e.jp/2\"></a>後",
            {u"前 http://e.jp/1 http://e.jp/2 後"}},
        HtmlCase{"OtherSchemesAddNothing",
                 u"<a href=\"mailto:a@e.jp\">メール</a> <a href=\"tel:0120\">電話</a> "
                 u"<a href=\"javascript:go()\">js</a> <a href=\"/rel\">相対</a> "
                 u"<a href=\"httpx://e.jp\">x</a><a href=\"http:e.jp\">y</a>",
                 {u"メール 電話 js 相対 xy"}},
        HtmlCase{"BreakInsideGoesBeforeTheAddress",
                 u"<a href=\"http://e.jp/\">一<br>二</a>三",
                 {u"一", u"二 http://e.jp/ 三"}},
        HtmlCase{"AddressStaysWithTheLastText",
                 u"<a href=\"http://e.jp/\"><div>一</div><div>二<br></div></a>三",
                 {u"一", u"二 http://e.jp/", u"三"}},
        HtmlCase{"AddressIsTrimmedAndClickable",
                 u"<a href=\"  HTTPS://e.jp/\r\n\ta b&amp;c=1&copy=2\n \">x</a>",
                 {u"x https://e.jp/a%20b&c=1&copy=2"}},
        HtmlCase{"LinkEndingInsideABlockLeavesTheBlockOpen",
                 u"<a href=\"http://e.jp/\"><div>一</a>二</div>三",
                 {u"一 http://e.jp/ 二", u"三"}},
        HtmlCase{"ReferencesInTheHrefAndAlt",
                 u"<a href=\"&#x68;ttps://e.jp/\"><img alt=\" A &amp;\n B \"></a>",
                 {u"A & B https://e.jp/"}},
        HtmlCase{"TextAfterTheAddressIsKeptApart",
                 u"<a href=\"http://e.jp/\">here</a>. <a href=\"http://e.jp/\">http://e.jp/</a>.",
                 {u"here http://e.jp/ . http://e.jp/ ."}},
        HtmlCase{"NewLinkEndsTheOpenOne",
                 u"<a href=\"http://e.jp/1\">一<a href=\"http://e.jp/2\">二</a>",
                 {u"一 http://e.jp/1 二 http://e.jp/2"}},
        HtmlCase{"HiddenLinkOrHiddenText",
                 u"<a href=\"http://e.jp/1\" hidden>x</a><a href=\"http://e.jp/2\"><span "
                 u"hidden>y</span></a>",
                 {u"http://e.jp/2"}},
        HtmlCase{"PictureOutsideALinkGivesNothing", u"<img alt=\"ロゴ\">本文", {u"本文"}},
        HtmlCase{"BlockLinkEndsItsLine",
                 u"<p><a href=\"http://e.jp/\" style=\"display:block\">詳しく見る</a>次</p>",
                 {u"詳しく見る http://e.jp/", u"次"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Malformed, HtmlToTextTest,
    testing::Values(HtmlCase{"LessThanThatStartsNoTag", u"a < b <3 <", {u"a < b <3 <"}},
                    HtmlCase{"EmptyAndUnmatchedEndTags", u"a</>b</x>c</span>d</ b>e", {u"abcde"}},
                    HtmlCase{"UppercaseNamesAndBrokenLines",
                             u"<P>a</P><A\nHREF='http://e.jp/'>b</A>",
                             {u"a", u"", u"b http://e.jp/"}},
                    HtmlCase{"AttributeFormsAndFirstOfTwins",
                             u"<a title=x href=http://e.jp/1 href=\"http://e.jp/2\">a</a>"
                             u"<a target href = 'http://e.jp/3'>b</a>",
                             {u"a http://e.jp/1 b http://e.jp/3"}},
                    HtmlCase{"MarkupInAnAttributeIsNotATag", u"<a title=\"<br>\">x</a>y", {u"xy"}},
                    HtmlCase{"InputEndingInsideATag", u"a<div class=\"x>b", {u"a"}},
                    HtmlCase{"InputEndingInsideAComment", u"a<!-- b", {u"a"}},
                    HtmlCase{"EndTagAttributesAreSkipped", u"a</div x=\"<p>\">b", {u"ab"}},
                    HtmlCase{"NulIsDropped", std::u16string(u"a\0b", 3), {u"ab"}},
                    HtmlCase{"InlineEndTagCannotCloseABlockInside",
                             u"<span><div>a</span>b</div>c",
                             {u"ab", u"c"}}),
    CaseName);

TEST(HtmlToText, ShopNewsletter) {
  const std::u16string html =
      u"<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>春のセール</title>"
      u"<style>.btn a{display:block}</style></head><body>"
      u"<div style=\"display:none;max-height:0\">今だけ送料無料&zwnj;&nbsp;</div>"
      u"<table width=\"600\"><tr><td><a href=\"https://shop.example.jp/\">"
      u"<img src=\"logo.png\" alt=\"Example Shop\"></a></td></tr>"
      u"<tr><td><h1 style=\"margin:0\">春のセール開催中！</h1>\n"
      u"<p style=\"margin:0 0 16px\">人気の商品が<b>最大50%OFF</b>。</p>\n"
      u"<table><tr><td>商品</td><td>価格</td></tr>\n"
      u"<tr><td>ワンピース</td><td>&yen;2,980</td></tr></table>\n"
      u"<table class=\"btn\"><tr><td><a href=\"https://shop.example.jp/sale?utm_source=mail"
      u"&amp;utm_medium=html\" style=\"display:block\">詳しく見る &raquo;</a></td></tr></table>"
      u"</td></tr><tr><td style=\"font-size:11px\">配信停止は"
      u"<a href=\"https://shop.example.jp/unsubscribe\">こちら</a><br>&copy; Example Shop"
      u"</td></tr></table></body></html>";
  EXPECT_EQ(HtmlToText(html),
            Joined({u"Example Shop https://shop.example.jp/", u"春のセール開催中！",
                    u"人気の商品が最大50%OFF。", u"", u"商品 価格", u"ワンピース ¥2,980",
                    u"詳しく見る » https://shop.example.jp/sale?utm_source=mail"
                    u"&utm_medium=html",
                    u"配信停止はこちら https://shop.example.jp/unsubscribe", u"© Example Shop"}));
}

std::u16string Repeat(std::u16string_view piece, int count) {
  std::u16string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

TEST(HtmlToText, DeepNestingKeepsTextAndAddresses) {
  const std::u16string html = u"<a href=\"http://e.jp/\">" + Repeat(u"<div><span>", 50000) + u"x" +
                              Repeat(u"</span></div>", 50000) + u"</a>後";
  EXPECT_EQ(HtmlToText(html), u"x http://e.jp/\r\n後");
}

TEST(HtmlToText, StartTagsPastTheNestingLimitOpenNothing) {
  // Past 256 levels the hidden span cannot hold its text, and the link
  // cannot hold its own: its address stands alone.
  const std::u16string html =
      Repeat(u"<b>", 300) + u"<span hidden>a</span><a href=\"http://e.jp/\">b</a>c";
  EXPECT_EQ(HtmlToText(html), u"a http://e.jp/ bc");
}

TEST(HtmlToText, RepeatedLongAddressesStayWithinThreeUnitsPerInputUnit) {
  const std::u16string html =
      Repeat(u"<a href=\"http://e.jp/" + Repeat(u" ", 500) + u"x\"></a>", 2000);
  const std::u16string text = HtmlToText(html);
  EXPECT_NE(text.find(u"http://e.jp/%20%20"), std::u16string::npos);
  EXPECT_LE(text.size(), 3 * html.size());
}

}  // namespace
}  // namespace vorenta
