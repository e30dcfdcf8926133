#include "mail/outlook_item.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "mail/lzfu_compressor.h"
#include "mail/test_decoder.h"

namespace vorenta {
namespace {

using testing_mail::TestDecoder;
using Kind = OutlookItem::BodyKind;

class FakeStorage : public ItemStorage {
 public:
  std::optional<std::string> Stream(std::u16string_view name) const override {
    const auto found = streams_.find(std::u16string(name));
    if (found == streams_.end()) return std::nullopt;
    return found->second;
  }

  FakeStorage& Raw(std::u16string name, std::string bytes) {
    streams_[std::move(name)] = std::move(bytes);
    return *this;
  }
  // id_type as in the stream name, e.g. "0037001F".
  FakeStorage& Set(std::string_view id_type, std::string bytes) {
    return Raw(u"__substg1.0_" + std::u16string(id_type.begin(), id_type.end()), std::move(bytes));
  }
  FakeStorage& Unicode(std::string_view id_type, std::u16string_view text) {
    std::string bytes;
    for (const char16_t c : text) {
      bytes += static_cast<char>(c & 0xFF);
      bytes += static_cast<char>(c >> 8);
    }
    return Set(id_type, bytes);
  }
  // A fixed-size property: type in the low 16 bits of the tag.
  FakeStorage& Fixed(std::uint32_t tag, std::int64_t value) {
    entries_ += Le(tag, 4) + Le(0, 4) + Le(static_cast<std::uint64_t>(value), 8);
    return Raw(u"__properties_version1.0", std::string(32, '\0') + entries_);
  }

 private:
  static std::string Le(std::uint64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
  }

  std::map<std::u16string, std::string> streams_;
  std::string entries_;
};

constexpr std::uint32_t kInternetCodepage = 0x3FDE0003;
constexpr std::uint32_t kMessageCodepage = 0x3FFD0003;

OutlookItem Read(const FakeStorage& storage) { return ReadOutlookItem(storage, TestDecoder()); }

struct BodyCase {
  const char* name;
  FakeStorage storage;
  Kind kind;
  std::u16string body;
};

class ItemBody : public testing::TestWithParam<BodyCase> {};

TEST_P(ItemBody, IsTakenFromTheRightPropertyInTheRightCodePage) {
  const OutlookItem item = Read(GetParam().storage);
  EXPECT_EQ(item.body_kind, GetParam().kind);
  EXPECT_EQ(item.body, GetParam().body);
  EXPECT_FALSE(item.rtf_failed);
}

const std::string kSaleCp932 = "\x83\x5A\x81\x5B\x83\x8B";  // セール
const std::string kSaleUtf8 = "\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB";

INSTANTIATE_TEST_SUITE_P(
    Cases, ItemBody,
    testing::Values(
        BodyCase{"HtmlInTheInternetCodePage",
                 FakeStorage().Fixed(kInternetCodepage, 932).Set("10130102", "<p>" + kSaleCp932),
                 Kind::kHtml, u"<p>セール"},
        BodyCase{"HtmlInUtf8ByCodePage",
                 FakeStorage().Fixed(kInternetCodepage, 65001).Set("10130102", kSaleUtf8 + '\0'),
                 Kind::kHtml, u"セール"},
        BodyCase{"HtmlWithoutCodePageButValidUtf8", FakeStorage().Set("10130102", kSaleUtf8),
                 Kind::kHtml, u"セール"},
        BodyCase{"HtmlWithoutCodePageNotUtf8",
                 FakeStorage().Fixed(kMessageCodepage, 1251).Set("10130102", "\xE0"), Kind::kHtml,
                 u"<1251>\u00E0"},
        BodyCase{"HtmlWithNoCodePageAtAll", FakeStorage().Set("10130102", kSaleCp932), Kind::kHtml,
                 u"セール"},
        BodyCase{"HtmlAsUnicodeString", FakeStorage().Unicode("1013001F", u"<b>x</b>"), Kind::kHtml,
                 u"<b>x</b>"},
        BodyCase{"HtmlBeforeText", FakeStorage().Set("10130102", "<p>h").Unicode("1000001F", u"t"),
                 Kind::kHtml, u"<p>h"},
        BodyCase{"EmptyHtmlGivesWayToText",
                 FakeStorage().Set("10130102", "").Unicode("1000001F", u"t"), Kind::kText, u"t"},
        BodyCase{"UnicodeTextWithoutItsNul",
                 FakeStorage().Unicode("1000001F", std::u16string(u"a\r\nセール\0", 7)),
                 Kind::kText, u"a\r\nセール"},
        BodyCase{"EightBitTextInTheInternetCodePageFirst",
                 FakeStorage()
                     .Fixed(kMessageCodepage, 1252)
                     .Fixed(kInternetCodepage, 932)
                     .Set("1000001E", kSaleCp932 + '\0'),
                 Kind::kText, u"セール"},
        BodyCase{"EightBitTextInTheMessageCodePage",
                 FakeStorage().Fixed(kMessageCodepage, 1250).Set("1000001E", "x"), Kind::kText,
                 u"<1250>x"},
        BodyCase{"TextBeforeRtf",
                 FakeStorage()
                     .Unicode("1000001F", u"t")
                     .Set("10090102", testing_lzfu::CompressLzfu("{\\rtf1 r}")),
                 Kind::kText, u"t"},
        BodyCase{"RtfWithEncapsulatedHtml",
                 FakeStorage().Set("10090102",
                                   testing_lzfu::CompressLzfu(
                                       "{\\rtf1\\ansi\\ansicpg932\\fromhtml1 {\\*\\htmltag0 <p>}"
                                       "\\'83\\'5a\\'81\\'5b\\'83\\'8b\\htmlrtf\\par\\htmlrtf0}")),
                 Kind::kHtml, u"<p>セール"},
        BodyCase{"RtfText",
                 FakeStorage().Set("10090102", testing_lzfu::CompressLzfu("{\\rtf1 a\\par b}")),
                 Kind::kText, u"a\r\nb"},
        BodyCase{"NoBody", FakeStorage(), Kind::kNone, u""}),
    [](const testing::TestParamInfo<BodyCase>& info) { return std::string(info.param.name); });

TEST(ReadOutlookItem, UnreadableRtfIsReportedWhenItIsTheOnlyBody) {
  std::string corrupt = testing_lzfu::CompressLzfu("{\\rtf1 hello}");
  corrupt.back() = static_cast<char>(corrupt.back() ^ 0x40);
  const FakeStorage cases[] = {
      FakeStorage().Set("10090102", corrupt),
      FakeStorage().Set("10090102", testing_lzfu::CompressLzfu("not rtf")),
  };
  for (const FakeStorage& storage : cases) {
    const OutlookItem item = Read(storage);
    EXPECT_TRUE(item.rtf_failed);
    EXPECT_EQ(item.body_kind, Kind::kNone);
  }
  EXPECT_FALSE(Read(FakeStorage().Unicode("1000001F", u"t").Set("10090102", corrupt)).rtf_failed);
}

TEST(ReadOutlookItem, SubjectAndNamePreferUnicodeThenTheMessageCodePage) {
  const OutlookItem item = Read(FakeStorage()
                                    .Fixed(kInternetCodepage, 1250)
                                    .Fixed(kMessageCodepage, 932)
                                    .Set("0037001E", kSaleCp932)
                                    .Unicode("0037001F", u"件名")
                                    .Set("0C1A001E", kSaleCp932 + '\0'));
  EXPECT_EQ(item.subject, u"件名");
  EXPECT_EQ(item.sender_name, u"セール");
  EXPECT_EQ(Read(FakeStorage().Set("0037001E", kSaleCp932)).subject, u"セール");
}

struct AddressCase {
  const char* name;
  FakeStorage storage;
  std::u16string address;
};

class SenderAddress : public testing::TestWithParam<AddressCase> {};

TEST_P(SenderAddress, IsAnSmtpAddressOrNothing) {
  EXPECT_EQ(Read(GetParam().storage).sender_address, GetParam().address);
}

const std::u16string kExchange = u"/O=EXAMPLE/OU=FIRST/CN=RECIPIENTS/CN=SHOP";

INSTANTIATE_TEST_SUITE_P(
    Cases, SenderAddress,
    testing::Values(
        AddressCase{"SmtpAddressFirst",
                    FakeStorage()
                        .Unicode("5D01001F", u"a@shop.jp")
                        .Unicode("0C1E001F", u"SMTP")
                        .Unicode("0C1F001F", u"b@shop.jp"),
                    u"a@shop.jp"},
        AddressCase{"EmailAddressOfTypeSmtpInAnyCase",
                    FakeStorage().Unicode("0C1E001F", u"smtp").Unicode("0C1F001F", u"b@shop.jp"),
                    u"b@shop.jp"},
        AddressCase{"EightBitType",
                    FakeStorage().Set("0C1E001E", "SMTP").Set("0C1F001E", "c@shop.jp"),
                    u"c@shop.jp"},
        AddressCase{"ExchangeAddressIsNotShown",
                    FakeStorage().Unicode("0C1E001F", u"EX").Unicode("0C1F001F", kExchange), u""},
        AddressCase{"ExchangeSenderFallsBackToRepresentedSmtp",
                    FakeStorage()
                        .Unicode("0C1E001F", u"EX")
                        .Unicode("0C1F001F", kExchange)
                        .Unicode("5D02001F", u"d@shop.jp"),
                    u"d@shop.jp"},
        AddressCase{"RepresentedEmailAddressOfTypeSmtp",
                    FakeStorage().Unicode("0064001F", u"SMTP").Unicode("0065001F", u"e@shop.jp"),
                    u"e@shop.jp"},
        AddressCase{"RepresentedExchangeAddress",
                    FakeStorage().Unicode("0064001F", u"EX").Unicode("0065001F", kExchange), u""},
        AddressCase{"AddressWithoutType", FakeStorage().Unicode("0C1F001F", u"f@shop.jp"), u""}),
    [](const testing::TestParamInfo<AddressCase>& info) { return std::string(info.param.name); });

TEST(ReadOutlookItem, TimeIsDeliveryElseSubmitElseCreation) {
  constexpr std::uint32_t kDelivery = 0x0E060040, kSubmit = 0x00390040, kCreation = 0x30070040;
  EXPECT_EQ(Read(FakeStorage().Fixed(kCreation, 3).Fixed(kSubmit, 2).Fixed(kDelivery, 1)).time, 1);
  EXPECT_EQ(Read(FakeStorage().Fixed(kCreation, 3).Fixed(kSubmit, 2)).time, 2);
  EXPECT_EQ(Read(FakeStorage().Fixed(kCreation, 3).Fixed(kDelivery, 0)).time, 3);
  // A delivery time stored under another type is not a time.
  EXPECT_EQ(Read(FakeStorage().Fixed(0x0E060003, 5)).time, std::nullopt);
  EXPECT_EQ(Read(FakeStorage()).time, std::nullopt);
  EXPECT_EQ(Read(FakeStorage().Fixed(kDelivery, -7)).time, -7);
}

TEST(ReadOutlookItem, PropertyStreamIsReadOnlyWhereItHasWholeEntries) {
  FakeStorage storage;
  storage.Fixed(0x0E060040, 1234);
  const std::string whole = *storage.Stream(u"__properties_version1.0");
  ASSERT_EQ(whole.size(), 48u);
  EXPECT_EQ(Read(storage).time, 1234);
  for (const size_t size : {0, 16, 31, 32, 47}) {
    EXPECT_EQ(Read(FakeStorage().Raw(u"__properties_version1.0", whole.substr(0, size))).time,
              std::nullopt)
        << size;
  }
  // Entries are read after the top-level message's 32-byte header only.
  EXPECT_EQ(Read(FakeStorage().Raw(u"__properties_version1.0", whole.substr(8))).time,
            std::nullopt);
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
