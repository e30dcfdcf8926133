#include "mail/outlook_item.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <utility>

#include "mail/item_streams.h"
#include "mail/lzfu_compressor.h"
#include "mail/test_decoder.h"

namespace vorenta {
namespace {

using Kind = OutlookItem::BodyKind;
using testing_lzfu::CompressLzfu;

// Streams by the end of their name ("0037001F" for "__substg1.0_0037001F"),
// and "props" for the property stream.
using Streams = std::map<std::string, std::string>;

ItemStreams Storage(const Streams& streams) {
  ItemStreams storage;
  for (const auto& [key, bytes] : streams) {
    const std::string name = key == "props" ? "__properties_version1.0" : "__substg1.0_" + key;
    storage.Put(std::u16string(name.begin(), name.end()), bytes);
  }
  return storage;
}

std::string Le(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

std::string Utf16(std::u16string_view text) {
  std::string bytes;
  for (const char16_t c : text) bytes += Le(c, 2);
  return bytes;
}

// A top-level property stream holding these fixed-size values by tag.
std::string Props(std::initializer_list<std::pair<std::uint32_t, std::int64_t>> values) {
  std::string stream(32, '\0');
  for (const auto& [tag, value] : values) stream += Le(tag, 4) + Le(0, 4) + Le(value, 8);
  return stream;
}

OutlookItem Read(const Streams& streams) {
  return ReadOutlookItem(Storage(streams), testing_mail::TestDecoder());
}

constexpr std::uint32_t kInternetCp = 0x3FDE0003, kMessageCp = 0x3FFD0003;
const std::string kSale932 = "\x83\x5A\x81\x5B\x83\x8B";  // セール
const std::string kSaleUtf8 = "\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB";

// The body as "kind: text".
std::u16string Body(const Streams& streams) {
  const OutlookItem item = Read(streams);
  const std::u16string kinds[] = {u"none: ", u"html: ", u"text: "};
  return (item.rtf_failed ? u"rtf failed, " : u"") + kinds[static_cast<int>(item.body_kind)] +
         item.body;
}

TEST(ReadOutlookItem, BodyComesFromTheRightPropertyInTheRightCodePage) {
  std::string corrupt = CompressLzfu("{\\rtf1 hello}");
  corrupt.back() = static_cast<char>(corrupt.back() ^ 0x40);
  struct Case {
    const char* name;
    Streams streams;
    std::u16string body;
  };
  const Case cases[] = {
      {"html in the internet code page",
       {{"props", Props({{kInternetCp, 932}, {kMessageCp, 1250}})}, {"10130102", kSale932}},
       u"html: セール"},
      {"html in UTF-8 by code page",
       {{"props", Props({{kInternetCp, 65001}})}, {"10130102", kSaleUtf8}},
       u"html: セール"},
      {"html valid as UTF-8", {{"10130102", kSaleUtf8 + '\0'}}, u"html: セール"},
      {"html not UTF-8",
       {{"props", Props({{kMessageCp, 1251}})}, {"10130102", "\xE0"}},
       u"html: <1251>\u00E0"},
      {"html with no code page at all", {{"10130102", kSale932}}, u"html: セール"},
      {"html as a Unicode string",
       {{"1013001F", Utf16(u"<b>")}, {"1000001F", Utf16(u"t")}},
       u"html: <b>"},
      {"empty html gives way to text", {{"10130102", ""}, {"1000001F", Utf16(u"t")}}, u"text: t"},
      {"unicode text without its NUL",
       {{"1000001F", Utf16(std::u16string(u"a\r\nセ\0", 5))}},
       u"text: a\r\nセ"},
      {"8-bit text in the message code page first",
       {{"props", Props({{kInternetCp, 50220}, {kMessageCp, 932}})}, {"1000001E", kSale932}},
       u"text: セール"},
      {"8-bit text in the internet code page",
       {{"props", Props({{kInternetCp, 1250}})}, {"1000001E", "x"}},
       u"text: <1250>x"},
      {"text before rtf", {{"1000001F", Utf16(u"t")}, {"10090102", corrupt}}, u"text: t"},
      {"rtf with encapsulated html",
       {{"10090102", CompressLzfu("{\\rtf1\\ansicpg932\\fromhtml1 {\\*\\htmltag0 <p>}\\'83\\'5a"
                                  "\\htmlrtf\\par\\htmlrtf0}")}},
       u"html: <p>セ"},
      {"rtf text", {{"10090102", CompressLzfu("{\\rtf1 a\\par b}")}}, u"text: a\r\nb"},
      {"html in rtf before the plain text",
       {{"1000001F", Utf16(u"t")},
        {"10090102", CompressLzfu("{\\rtf1\\fromhtml1 {\\*\\htmltag0 <p>}x}")}},
       u"html: <p>x"},
      {"plain text before rtf text",
       {{"1000001F", Utf16(u"t")}, {"10090102", CompressLzfu("{\\rtf1 a}")}},
       u"text: t"},
      {"rtf that fails its check", {{"10090102", corrupt}}, u"rtf failed, none: "},
      {"rtf that is not rtf", {{"10090102", CompressLzfu("text")}}, u"rtf failed, none: "},
      {"no body", {}, u"none: "},
  };
  for (const Case& c : cases) EXPECT_EQ(Body(c.streams), c.body) << c.name;
}

TEST(ReadOutlookItem, NamesPreferUnicodeThenTheMessageCodePage) {
  const OutlookItem item = Read({{"props", Props({{kInternetCp, 1250}, {kMessageCp, 932}})},
                                 {"0037001E", kSale932},
                                 {"0037001F", Utf16(u"件名")},
                                 {"0C1A001E", kSale932 + '\0'}});
  EXPECT_EQ(item.subject, u"件名");
  EXPECT_EQ(item.sender_name, u"セール");
  EXPECT_EQ(Read({{"0037001E", kSale932}}).subject, u"セール");
}

TEST(ReadOutlookItem, SenderAddressIsAnSmtpAddressOrNothing) {
  const std::string smtp = Utf16(u"SMTP"), ex = Utf16(u"EX");
  const std::string exchange = Utf16(u"/O=EXAMPLE/OU=FIRST/CN=RECIPIENTS/CN=SHOP");
  struct Case {
    Streams streams;
    std::u16string address;
  };
  const Case cases[] = {
      {{{"5D01001F", Utf16(u"a@e.jp")}, {"0C1E001F", smtp}, {"0C1F001F", Utf16(u"b@e.jp")}},
       u"a@e.jp"},
      {{{"0C1E001F", Utf16(u"smtp")}, {"0C1F001F", Utf16(u"b@e.jp")}}, u"b@e.jp"},
      {{{"0C1E001E", "SMTP"}, {"0C1F001E", "c@e.jp"}}, u"c@e.jp"},
      {{{"0C1E001F", ex}, {"0C1F001F", exchange}}, u""},
      {{{"0C1E001F", ex}, {"0C1F001F", exchange}, {"5D02001F", Utf16(u"d@e.jp")}}, u"d@e.jp"},
      {{{"0064001F", smtp}, {"0065001F", Utf16(u"e@e.jp")}}, u"e@e.jp"},
      {{{"0064001F", ex}, {"0065001F", exchange}}, u""},
      {{{"0C1F001F", Utf16(u"f@e.jp")}}, u""},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Read(cases[i].streams).sender_address, cases[i].address) << i;
  }
}

TEST(ReadOutlookItem, TimeIsDeliveryElseSubmitElseCreation) {
  constexpr std::uint32_t kDelivery = 0x0E060040, kSubmit = 0x00390040, kCreation = 0x30070040;
  const auto time = [](std::string props) { return Read({{"props", std::move(props)}}).time; };
  EXPECT_EQ(time(Props({{kCreation, 3}, {kSubmit, 2}, {kDelivery, 1}})), 1);
  EXPECT_EQ(time(Props({{kCreation, 3}, {kSubmit, 2}})), 2);
  EXPECT_EQ(time(Props({{kCreation, 3}, {kDelivery, 0}})), 3);
  EXPECT_EQ(time(Props({{kDelivery, -7}})), -7);
  // A delivery time stored as another type is not a time.
  EXPECT_EQ(time(Props({{0x0E060003, 5}})), std::nullopt);
  // Only whole entries after the 32-byte header are read.
  const std::string whole = Props({{kDelivery, 9}});
  for (const size_t size : {0, 16, 31, 32, 47}) {
    EXPECT_EQ(time(whole.substr(0, size)), std::nullopt) << size;
  }
}

TEST(FormatFileTime, GivesTheLocalDateAndMinute) {
  struct Case {
    std::int64_t filetime;
    int offset;
    std::u16string text;
  };
  const Case cases[] = {
      {133486382400000000, 0, u"2024/01/02 03:04"},
      {133486382400000000, 9 * 60, u"2024/01/02 12:04"},
      {133485264000000000, 9 * 60, u"2024/01/01 05:00"},  // across the new year
      {133536078000000000, 9 * 60, u"2024/02/29 00:30"},  // onto a leap day
      {133486382400000000, -5 * 60, u"2024/01/01 22:04"},
      {0, 0, u"1601/01/01 00:00"},
      {-1, 0, u"1600/12/31 23:59"},
      {0x7FFFFFFFFFFFFFFF, 0, u"30828/09/14 02:48"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFileTime(c.filetime, c.offset), c.text) << c.filetime;
}

}  // namespace
}  // namespace vorenta
