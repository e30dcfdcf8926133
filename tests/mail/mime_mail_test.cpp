#include "mail/mime_mail.h"

#include <gtest/gtest.h>

#include "core/utf8.h"
#include "test_codec.h"

namespace vorenta {
namespace {

// Marks what went through the HTML conversion.
std::u16string MarkHtml(std::u16string_view html) { return u"[html]" + std::u16string(html); }

MailText Read(std::string_view bytes) { return ReadMimeMail(bytes, test::Cp932(), MarkHtml); }

struct MailCase {
  const char* name;
  std::string bytes;
  std::u16string text;
};

class ReadMimeMailTest : public testing::TestWithParam<MailCase> {};

TEST_P(ReadMimeMailTest, ShowsWhatTheMailProgramShows) {
  EXPECT_EQ(Read(GetParam().bytes).text, GetParam().text);
}

// Made by Python's email package, boundaries shortened.
const char kNewsletter[] =
    "From:\r\n"
    " =?utf-8?b?6Z2S6JGJ44K344On44OD44OXLCDmnKzlupc=?= <news@shop-aoba.example.jp>\r\n"
    "Subject: =?utf-8?b?5Yas44Gu44K744O844Or?=\r\n"
    "Date: Sun, 06 Dec 2026 23:05:09 -0800\r\n"
    "MIME-Version: 1.0\r\n"
    "Content-Type: multipart/mixed; boundary=\"=_1531\"\r\n"
    "\r\n"
    "--=_1531\r\n"
    "Content-Type: multipart/alternative;\r\n"
    " boundary=\"=_6483\"\r\n"
    "\r\n"
    "--=_6483\r\n"
    "Content-Type: text/plain; charset=\"iso-2022-jp\"\r\n"
    "Content-Transfer-Encoding: 7bit\r\n"
    "\r\n"
    "\x1b$B%;!<%k3+:ECf\x1b(B\r\n"
    "https://shop-aoba.example.jp/sale\r\n"
    "\r\n"
    "--=_6483\r\n"
    "MIME-Version: 1.0\r\n"
    "Content-Type: multipart/related;\r\n"
    " boundary=\"=_4161\"\r\n"
    "\r\n"
    "--=_4161\r\n"
    "Content-Type: text/html; charset=\"utf-8\"\r\n"
    "Content-Transfer-Encoding: quoted-printable\r\n"
    "\r\n"
    "<p>=E3=82=BB=E3=83=BC=E3=83=AB=E9=96=8B=E5=82=AC=E4=B8=AD</p>\r\n"
    "<img src=3D\"cid:logo\">\r\n"
    "\r\n"
    "--=_4161\r\n"
    "Content-Type: image/png\r\n"
    "Content-Transfer-Encoding: base64\r\n"
    "Content-ID: <logo>\r\n"
    "Content-Disposition: inline\r\n"
    "\r\n"
    "iVBORw0K\r\n"
    "\r\n"
    "--=_4161--\r\n"
    "\r\n"
    "--=_6483--\r\n"
    "\r\n"
    "--=_1531\r\n"
    "Content-Type: application/pdf\r\n"
    "Content-Transfer-Encoding: base64\r\n"
    "Content-Disposition: attachment; filename=\"catalog.pdf\"\r\n"
    "\r\n"
    "JVBERi0xLjQgYmluYXJ5\r\n"
    "\r\n"
    "--=_1531--\r\n";

// Also from Python's email package: ISO-2022-JP throughout, a subject cut
// into two words.
const char kIso2022JpMail[] =
    "Content-Type: text/plain; charset=\"iso-2022-jp\"\r\n"
    "MIME-Version: 1.0\r\n"
    "Content-Transfer-Encoding: 7bit\r\n"
    "From: =?iso-2022-jp?b?GyRCQERNVSU3JWclQyVXGyhC?= <news@shop-aoba.example.jp>\r\n"
    "Subject: =?iso-2022-jp?b?GyRCIVpFXyROJTshPCVrIVtBd05BTDVOQSROJCpDTiRpJDsbKEIg?=\r\n"
    " =?iso-2022-jp?b?GyRCJDQ5WEZ+JE8kKkFhJGEkSxsoQg==?=\r\n"
    "Date: Mon, 07 Dec 2026 09:30:00 +0900\r\n"
    "\r\n"
    "\x1b$B%;!<%k3+:ECf$G$9!#\x1b(B\r\n"
    "\x1b$BAwNAL5NA\x1b(B \x1b$B-!\x1b(B\r\n"
    "https://shop-aoba.example.jp/sale\r\n";

#define HEADER "From: a@b.jp\r\nMIME-Version: 1.0\r\n"
#define SHOWN_HEADER u"差出人: a@b.jp\r\n\r\n"

INSTANTIATE_TEST_SUITE_P(
    Mails, ReadMimeMailTest,
    testing::Values(
        MailCase{"Newsletter", kNewsletter,
                 u"差出人: 青葉ショップ, 本店 <news@shop-aoba.example.jp>\r\n件名: 冬のセール\r\n"
                 u"日付: 2026/12/06 23:05\r\n\r\n[html]<p>セール開催中</p>\r\n"
                 u"<img src=\"cid:logo\">"},
        MailCase{"Iso2022Jp", kIso2022JpMail,
                 u"差出人: 青葉ショップ <news@shop-aoba.example.jp>\r\n"
                 u"件名: 【冬のセール】送料無料のお知らせ ご購入はお早めに\r\n"
                 u"日付: 2026/12/07 09:30\r\n\r\nセール開催中です。\r\n送料無料 ①\r\n"
                 u"https://shop-aoba.example.jp/sale"},
        MailCase{"AlternativePrefersHtmlWhereverItStands",
                 HEADER "Content-Type: multipart/alternative; boundary=b\r\n\r\n--b\r\n"
                        "Content-Type: text/html\r\n\r\nh1\r\n--b\r\n"
                        "Content-Type: text/plain\r\n\r\nt1\r\n--b\r\n"
                        "Content-Type: text/html\r\n\r\nh2\r\n--b\r\n"
                        "Content-Type: text/plain\r\n\r\nt2\r\n--b--\r\n",
                 SHOWN_HEADER u"[html]h2"},
        MailCase{"AlternativeWithoutHtmlShowsLastText",
                 HEADER "Content-Type: multipart/alternative; boundary=b\r\n\r\n--b\r\n"
                        "Content-Type: text/plain\r\n\r\nt1\r\n--b\r\n"
                        "Content-Type: text/plain\r\n\r\nt2\r\n--b\r\n"
                        "Content-Type: text/calendar\r\n\r\nBEGIN\r\n--b--\r\n",
                 SHOWN_HEADER u"t2"},
        MailCase{"MixedShowsInlineTextAndHtmlInOrder",
                 HEADER "Content-Type: multipart/mixed; boundary=\"b\"\r\n\r\n--b\r\n"
                        "Content-Type: text/plain; charset=Shift_JIS\r\n\r\n\x83\x5a\r\n--b\r\n"
                        "Content-Type: image/png\r\n\r\nPNG\r\n--b\r\n"
                        "Content-Type: text/plain\r\nContent-Disposition: attachment\r\n\r\n"
                        "notes\r\n--b\r\n"
                        "Content-Type: text/html\r\n\r\n<meta charset=euc-jp>\xa5\xbb\r\n--b--\r\n",
                 SHOWN_HEADER u"セ\r\n\r\n[html]<meta charset=euc-jp>セ"},
        MailCase{"NestedMultipartsInline",
                 HEADER "Content-Type: multipart/mixed; boundary=out\r\n\r\n--out\r\n"
                        "Content-Type: multipart/mixed; boundary=in\r\n\r\n--in\r\n\r\na\r\n"
                        "--in\r\n\r\nb\r\n--in--\r\n--out\r\n\r\nc\r\n--out--\r\n",
                 SHOWN_HEADER u"a\r\n\r\nb\r\n\r\nc"},
        MailCase{"MissingClosingBoundaries",
                 HEADER "Content-Type: multipart/mixed; boundary=out\r\n\r\n--out\r\n"
                        "Content-Type: multipart/alternative; boundary=in\r\n\r\n--in\r\n\r\na\r\n"
                        "--out\r\n\r\nb\r\n",
                 SHOWN_HEADER u"a\r\n\r\nb"},
        MailCase{"PreambleEpilogueAndTrailingSpaceIgnored",
                 HEADER "Content-Type: multipart/mixed; boundary=b\r\n\r\nThis is MIME.\r\n"
                        "--b \t\r\n\r\na\r\n--bx\r\n--b-- \r\nepilogue\r\n",
                 SHOWN_HEADER u"a\r\n--bx"},
        MailCase{"RelatedShowsItsStartPart",
                 HEADER "Content-Type: multipart/related; boundary=b; start=\"<two@x>\"\r\n\r\n"
                        "--b\r\nContent-Type: text/html\r\nContent-ID: <one@x>\r\n\r\none\r\n"
                        "--b\r\nContent-Type: text/html\r\nContent-ID: <two@x>\r\n\r\ntwo\r\n"
                        "--b--\r\n",
                 SHOWN_HEADER u"[html]two"},
        MailCase{"AttachedMessageShowsAsAMail",
                 HEADER
                 "Content-Type: multipart/mixed; boundary=b\r\n\r\n--b\r\n\r\nFwd:\r\n--b\r\n"
                 "Content-Type: message/rfc822\r\nContent-Disposition: attachment\r\n\r\n"
                 "From: c@d.jp\r\nSubject: =?utf-8?B?44K7?=\r\n\r\ninner\r\n--b--\r\n",
                 SHOWN_HEADER u"Fwd:\r\n\r\n差出人: c@d.jp\r\n件名: セ\r\n\r\ninner"},
        MailCase{"DigestPartsAreMails",
                 HEADER "Content-Type: multipart/digest; boundary=b\r\n\r\n--b\r\n\r\n"
                        "Subject: one\r\n\r\nx\r\n--b--\r\n",
                 SHOWN_HEADER u"件名: one\r\n\r\nx"},
        MailCase{"Base64AndQuotedPrintableBodies",
                 HEADER "Content-Type: multipart/mixed; boundary=b\r\n\r\n--b\r\n"
                        "Content-Type: text/plain; charset=ISO-2022-JP\r\n"
                        "Content-Transfer-Encoding: BASE64\r\n\r\nGyRCJTshPCVrGyhC\r\n--b\r\n"
                        "Content-Type: text/plain; charset=utf-8\r\n"
                        "Content-Transfer-Encoding: Quoted-Printable\r\n\r\n"
                        "=E3=82=BB=\r\n=E3=83=BC\r\n--b--\r\n",
                 SHOWN_HEADER u"セール\r\n\r\nセー"},
        MailCase{"NoContentTypeIsUnlabelledText",
                 "Subject: x\r\n\r\n\x83\x5a\x81\x5b\x83\x8b\r\n\r\nend\r\n",
                 u"件名: x\r\n\r\nセール\r\n\r\nend"},
        MailCase{"BadBytesBecomeReplacements",
                 "Content-Type: text/plain; charset=utf-8\r\n\r\na\xff"
                 "b\r\nc",
                 u"a\uFFFDb\r\nc"},
        MailCase{"NoHeaderAtAll", "Note: bring this\r\nhttps://a.example.jp/\r\n",
                 u"Note: bring this\r\nhttps://a.example.jp/"},
        MailCase{"HeaderWithoutBody", "From: a@b.jp\r\nSubject: x",
                 u"差出人: a@b.jp\r\n件名: x\r\n"},
        MailCase{"LfAndCrLineEnds",
                 "From: a@b.jp\nContent-Type: multipart/mixed; boundary=b\n\n--b\n\na\rb\n--b--\n",
                 SHOWN_HEADER u"a\r\nb"},
        MailCase{"MultipartWithoutBoundaryShowsAsText",
                 HEADER "Content-Type: multipart/mixed\r\n\r\n--x\r\n\r\na\r\n",
                 SHOWN_HEADER u"--x\r\n\r\na"},
        MailCase{"UnreadableDateShownAsWritten", "Date: tomorrow\r\n\r\n", u"日付: tomorrow\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

std::string Nested(int depth) {
  std::string mail = HEADER;
  for (int i = 0; i < depth; ++i) {
    mail += "Content-Type: multipart/mixed; boundary=b" + std::to_string(i) + "\r\n\r\n--b" +
            std::to_string(i) + "\r\n";
  }
  return mail + "\r\ndeep\r\n";
}

TEST(ReadMimeMail, NestingPastTheCapIsNotRead) {
  EXPECT_EQ(Read(Nested(30)).text, SHOWN_HEADER u"deep");
  EXPECT_EQ(Read(Nested(5000)).text, u"差出人: a@b.jp\r\n");
}

TEST(ReadMimeMail, PartsPastTheCapAreNotRead) {
  std::string mail = HEADER "Content-Type: multipart/mixed; boundary=b\r\n\r\n";
  for (int i = 0; i < 1200; ++i) mail += "--b\r\n\r\n" + std::to_string(i) + "\r\n";
  const std::u16string text = Read(mail).text;
  EXPECT_NE(text.find(u"\r\n999"), std::u16string::npos);
  EXPECT_EQ(text.find(u"\r\n1000"), std::u16string::npos);
}

TEST(ReadMimeMail, HtmlConversionLineBreaksOfAnyKindBecomeCrLf) {
  const HtmlToTextFunction loose = [](std::u16string_view) { return u"a\nb\rc\r\n"; };
  const MailText mail = ReadMimeMail("Content-Type: text/html\r\n\r\n<p>", test::Cp932(), loose);
  EXPECT_EQ(mail.text, u"a\r\nb\r\nc");
}

struct SenderCase {
  const char* name;
  std::string from;
  std::u16string shown;
  std::u16string address;
};

class SenderTest : public testing::TestWithParam<SenderCase> {};

TEST_P(SenderTest, ShowsTheSenderAndFindsTheAddress) {
  const MailText mail = Read("From: " + GetParam().from + "\r\n\r\n");
  EXPECT_EQ(mail.text, u"差出人: " + GetParam().shown + u"\r\n");
  EXPECT_EQ(mail.sender_address, GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(
    FromFields, SenderTest,
    testing::Values(SenderCase{"BareAddress", "news@shop.example.jp", u"news@shop.example.jp",
                               u"news@shop.example.jp"},
                    SenderCase{"AngleAddressAlone", " <news@shop.example.jp> ",
                               u"news@shop.example.jp", u"news@shop.example.jp"},
                    SenderCase{"QuotedNameWithCommaAndBrackets", "\"Shop, Inc. <JP>\" <a@b.jp>",
                               u"Shop, Inc. <JP> <a@b.jp>", u"a@b.jp"},
                    SenderCase{"CommentAsName", "a@b.jp (\xe9\x9d\x92\xe8\x91\x89 (Aoba))",
                               u"青葉 (Aoba) <a@b.jp>", u"a@b.jp"},
                    SenderCase{"EncodedWordInsideQuotes", "\"=?utf-8?B?44K7?=\" <a@b.jp>",
                               u"セ <a@b.jp>", u"a@b.jp"},
                    SenderCase{"RawShiftJisNameWithBackslashByte", "\"\x95\x5c\" <a@b.jp>",
                               u"表 <a@b.jp>", u"a@b.jp"},
                    SenderCase{"RawIso2022JpNameWithBracketBytes", "\x1b$B%;!<%k\x1b(B <a@b.jp>",
                               u"セール <a@b.jp>", u"a@b.jp"},
                    SenderCase{"NameWithoutBrackets", "Shop a@b.jp", u"Shop <a@b.jp>", u"a@b.jp"},
                    SenderCase{"SourceRouteDropped", "<@relay.jp:a@b.jp>", u"a@b.jp", u"a@b.jp"},
                    SenderCase{"SeveralMailboxesFirstAddress", "Shop, c@d.jp, e@f.jp",
                               u"Shop, c@d.jp, e@f.jp", u"c@d.jp"},
                    SenderCase{"GroupWithoutMembers", "undisclosed-recipients:;",
                               u"undisclosed-recipients:;", u""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AppendMailHeaderLines, ShowsPresentFieldsThenAnEmptyLine) {
  std::u16string text;
  AppendMailHeaderLines(text, {u"a@b.jp", u"", u"2026/12/07 09:30"});
  EXPECT_EQ(text, u"差出人: a@b.jp\r\n日付: 2026/12/07 09:30\r\n");
  text = u"x";
  AppendMailHeaderLines(text, {u"", u"\tsale\r\n", u""});
  EXPECT_EQ(text, u"x\r\n件名: sale\r\n");
  text.clear();
  AppendMailHeaderLines(text, {});
  EXPECT_EQ(text, u"");
}

}  // namespace
}  // namespace vorenta
