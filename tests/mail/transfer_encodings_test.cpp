#include "mail/transfer_encodings.h"

#include <gtest/gtest.h>

namespace vorenta {
namespace {

std::string Base64(std::string_view text) { return DecodeBase64(text); }
std::string Qp(std::string_view text) { return DecodeQuotedPrintable(text); }
std::string QpHeader(std::string_view text) { return DecodeQuotedPrintable(text, true); }

struct DecodeCase {
  const char* name;
  std::string (*decode)(std::string_view);
  std::string encoded;
  std::string decoded;
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, DecodesWhatMailProgramsSend) {
  EXPECT_EQ(GetParam().decode(GetParam().encoded), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, DecodeTest,
    testing::Values(
        DecodeCase{"Base64Plain", Base64, "44K744O844Or", "\xe3\x82\xbb\xe3\x83\xbc\xe3\x83\xab"},
        DecodeCase{"Base64LineBreaksSpacesAndJunkSkipped", Base64, "44K7\r\n 44O8\t44Or!*",
                   "\xe3\x82\xbb\xe3\x83\xbc\xe3\x83\xab"},
        DecodeCase{"Base64PaddedLastGroup", Base64, "QUJDRA==", "ABCD"},
        DecodeCase{"Base64UnpaddedLastGroup", Base64, "QUJDRA", "ABCD"},
        DecodeCase{"Base64GoesOnAfterPaddingMidText", Base64, "QQ==QkM=\r\nRA==", "ABCD"},
        DecodeCase{"Base64LoneLastCharacterGivesNothing", Base64, "QUJDR", "ABC"},
        DecodeCase{"Base64AllBytes", Base64, "AP+A", std::string("\x00\xff\x80", 3)},
        DecodeCase{"Base64Empty", Base64, "", ""},
        DecodeCase{"QpHexInEitherCase", Qp, "a=3D=e3=82=BB", "a=\xe3\x82\xbb"},
        DecodeCase{"QpSoftBreakCrLf", Qp, "ab=\r\ncd\r\n", "abcd\r\n"},
        DecodeCase{"QpSoftBreakLf", Qp, "ab=\ncd", "abcd"},
        DecodeCase{"QpSoftBreakAfterSpaces", Qp, "ab= \t\r\ncd", "abcd"},
        DecodeCase{"QpSoftBreakAtTheEnd", Qp, "100%=", "100%"},
        DecodeCase{"QpStrayEqualsKept", Qp, "a=zz=4 b=\x83", "a=zz=4 b=\x83"},
        DecodeCase{"QpUnderscoreIsNoSpaceInBodies", Qp, "a_b", "a_b"},
        DecodeCase{"QpHeaderFormReadsUnderscoreAsSpace", QpHeader, "=E3=82=BB_a=5F",
                   "\xe3\x82\xbb a_"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorenta
