#include "mail/encoded_words.h"

#include <gtest/gtest.h>

#include "test_codec.h"

namespace vorenta {
namespace {

struct HeaderCase {
  const char* name;
  std::string raw;
  std::u16string text;
};

class DecodeHeaderTextTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(DecodeHeaderTextTest, ShowsTheSendersText) {
  EXPECT_EQ(DecodeHeaderText(GetParam().raw, test::Cp932()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    EncodedWords, DecodeHeaderTextTest,
    testing::Values(
        HeaderCase{"Iso2022JpBase64", "=?ISO-2022-JP?B?GyRCJTshPCVrGyhC?=", u"セール"},
        HeaderCase{"Utf8QLowerCase", "=?utf-8?q?=E3=82=BB_a?=", u"セ a"},
        HeaderCase{"LanguageSuffixDropped", "=?UTF-8*ja?b?44K7?=", u"セ"},
        HeaderCase{"MultibyteCharacterSplitAcrossWords",
                   "=?UTF-8?B?44I=?= =?UTF-8?B?uw==?=", u"セ"},
        HeaderCase{"EscapeStateSplitAcrossFoldedWords",
                   "=?iso-2022-jp?B?GyRCJTs=?=\r\n =?ISO-2022-JP?B?ITwlaxsoQg==?=", u"セール"},
        HeaderCase{
            "MixedCharsetsSideBySide",
            "=?shift_jis?B?kZeXv5azl78=?=\t=?utf-8?B?6YCB5paZ54Sh5paZ?=", u"送料無料送料無料"},
        HeaderCase{"TextBetweenWordsKept", "Re: =?utf-8?Q?a?= b =?utf-8?Q?c?=!", u"Re: a b c!"},
        HeaderCase{"NoClosingStaysText", "=?utf-8?B?44K7 x", u"=?utf-8?B?44K7 x"},
        HeaderCase{"UnknownCharsetStaysText",
                   "=?x-foo?B?44K7?= =?utf-8?B?44K7?=", u"=?x-foo?B?44K7?= セ"},
        HeaderCase{"BadEncodingLetterStaysText", "=?utf-8?X?44K7?=", u"=?utf-8?X?44K7?="},
        HeaderCase{"RawShiftJis", "\x83\x5a\x81\x5b\x83\x8b =?utf-8?B?44K7?=", u"セール セ"},
        HeaderCase{"RawIso2022Jp", "\x1b$B%;!<%k\x1b(B!", u"セール!"},
        HeaderCase{"RawUtf8", "\xe3\x82\xbb", u"セ"},
        HeaderCase{"FoldingUndone", "a\r\n b\n\tc", u"a b\tc"},
        HeaderCase{"DecodedLineBreaksBecomeSpaces", "=?utf-8?Q?a=0D=0Ab=0Ac?=", u"a b c"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorenta
