// The options file: read leniently, written keeping every line it does not own.

#include "settings/options_file.h"

#include <gtest/gtest.h>

namespace vorenta {
namespace {

struct ReadCase {
  const char* name;
  const char* bytes;
  Options expected;
};

class OptionsFileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(OptionsFileRead, GivesTheValuesItUnderstandsAndDefaultsForTheRest) {
  EXPECT_EQ(ReadOptionsFile(GetParam().bytes), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionsFileRead,
    testing::Values(
        ReadCase{"empty", "", Options{}},
        ReadCase{"all set",
                 "[Vorenta]\r\nFuzzySearch=1\r\nAlwaysOnTop=0\r\nRememberPlacement=1\r\n",
                 Options{true, false, true}},
        ReadCase{"with mark, LF, spaces and other case",
                 "\xEF\xBB\xBF[Vorenta]\n fuzzysearch = TRUE \nALWAYSONTOP=off\n",
                 Options{true, false, false}},
        ReadCase{"bad values give defaults", "FuzzySearch=2\r\nAlwaysOnTop=\r\nRememberPlacement",
                 Options{}},
        ReadCase{"unknown keys and garbage pass by",
                 "Colour=blue\r\n\x01\xFF=1\r\n=1\r\nFuzzySearch=yes", Options{true, true, false}},
        ReadCase{"CR alone ends lines", "FuzzySearch=1\rAlwaysOnTop=0",
                 Options{true, false, false}},
        ReadCase{"a later line wins", "FuzzySearch=1\r\nFuzzySearch=0\r\n", Options{}}),
    [](const auto& info) {
      std::string name;
      for (char c : std::string(info.param.name)) name += std::isalnum(c) ? c : '_';
      return name;
    });

TEST(OptionsFileWrite, ANewFileHasTheHeadingAndEveryKey) {
  EXPECT_EQ(WriteOptionsFile(Options{true, true, false}, ""),
            "[Vorenta]\r\nFuzzySearch=1\r\nAlwaysOnTop=1\r\nRememberPlacement=0\r\n");
}

TEST(OptionsFileWrite, KeepsLinesItDoesNotOwnAndChangesItsOwnInPlace) {
  const std::string previous =
      "\xEF\xBB\xBF; my comment\n[Vorenta]\nColour=\xE9\x9D\x92\nalwaysontop = 0\nFuture=42";
  EXPECT_EQ(WriteOptionsFile(Options{false, true, true}, previous),
            "\xEF\xBB\xBF; my comment\r\n[Vorenta]\r\nColour=\xE9\x9D\x92\r\nAlwaysOnTop=1\r\n"
            "Future=42\r\nFuzzySearch=0\r\nRememberPlacement=1\r\n");
}

TEST(OptionsFileWrite, AKeyGivenTwiceKeepsOneLine) {
  EXPECT_EQ(WriteOptionsFile(Options{true, true, false},
                             "FuzzySearch=0\r\nFuzzySearch=0\r\nAlwaysOnTop=1\r\n"
                             "RememberPlacement=0\r\n"),
            "FuzzySearch=1\r\nAlwaysOnTop=1\r\nRememberPlacement=0\r\n");
}

TEST(OptionsFileWrite, ALaterKeyIsWrittenOnlyOnceSwitchedOnThenKeptInPlace) {
  for (bool Options::*later : {&Options::html_links, &Options::default_browser}) {
    Options on;
    on.*later = true;
    const std::string three_keys = WriteOptionsFile(Options{}, "");
    const std::string switched_on = WriteOptionsFile(on, three_keys);
    ASSERT_EQ(switched_on.substr(0, three_keys.size()), three_keys);
    const std::string key = switched_on.substr(three_keys.size());
    EXPECT_EQ(key.substr(key.size() - 4), "=1\r\n");
    EXPECT_TRUE(ReadOptionsFile(switched_on).*later);
    EXPECT_EQ(WriteOptionsFile(Options{}, switched_on),
              three_keys + key.substr(0, key.size() - 4) + "=0\r\n");
  }
}

TEST(OptionsFileWrite, WhatIsWrittenReadsBack) {
  for (int bits = 0; bits < 32; ++bits) {
    const Options options{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0,
                          (bits & 16) != 0};
    EXPECT_EQ(ReadOptionsFile(WriteOptionsFile(options, "Other=1\n")), options) << bits;
  }
}

}  // namespace
}  // namespace vorenta
