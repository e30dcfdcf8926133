#include "mail/transfer_encodings.h"

#include <gtest/gtest.h>

namespace vorenta {
namespace {

struct DecodeCase {
  const char* name;
  std::string encoded;
  std::string decoded;
};

class Base64Test : public testing::TestWithParam<DecodeCase> {};

TEST_P(Base64Test, DecodesWhatMailProgramsSend) {
  EXPECT_EQ(DecodeBase64(GetParam().encoded), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, Base64Test,
    testing::Values(DecodeCase{"Plain", "44K744O844Or", "\xe3\x82\xbb\xe3\x83\xbc\xe3\x83\xab"},
                    DecodeCase{"LineBreaksSpacesAndJunkSkipped", "44K7\r\n 44O8\t44Or!*",
                               "\xe3\x82\xbb\xe3\x83\xbc\xe3\x83\xab"},
                    DecodeCase{"PaddedLastGroup", "QUJDRA==", "ABCD"},
                    DecodeCase{"UnpaddedLastGroup", "QUJDRA", "ABCD"},
                    DecodeCase{"GoesOnAfterPaddingMidText", "QQ==QkM=\r\nRA==", "ABCD"},
                    DecodeCase{"LoneLastCharacterGivesNothing", "QUJDR", "ABC"},
                    DecodeCase{"AllBytes", "AP+A", std::string("\x00\xff\x80", 3)},
                    DecodeCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

class QuotedPrintableTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(QuotedPrintableTest, DecodesWhatMailProgramsSend) {
  EXPECT_EQ(DecodeQuotedPrintable(GetParam().encoded), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, QuotedPrintableTest,
    testing::Values(DecodeCase{"HexInEitherCase", "a=3D=e3=82=BB", "a=\xe3\x82\xbb"},
                    DecodeCase{"SoftBreakCrLf", "ab=\r\ncd\r\n", "abcd\r\n"},
                    DecodeCase{"SoftBreakLf", "ab=\ncd", "abcd"},
                    DecodeCase{"SoftBreakAfterSpaces", "ab= \t\r\ncd", "abcd"},
                    DecodeCase{"SoftBreakAtTheEnd", "100%=", "100%"},
                    DecodeCase{"StrayEqualsKept", "a=zz=4 b=\x83", "a=zz=4 b=\x83"},
                    DecodeCase{"UnderscoreIsNoSpaceInBodies", "a_b", "a_b"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuotedPrintable, HeaderFormReadsUnderscoreAsSpace) {
  EXPECT_EQ(DecodeQuotedPrintable("=E3=82=BB_a=5F", true), "\xe3\x82\xbb a_");
}

}  // namespace
}  // namespace vorenta
