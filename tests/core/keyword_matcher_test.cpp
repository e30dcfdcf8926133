// The all-keywords matcher agrees with the plain search, keyword by keyword,
// on the rule of the search and on every occurrence.

#include "core/keyword_matcher.h"

#include <gtest/gtest.h>

#include <random>

#include "core/fold.h"
#include "support/keyword_match.h"
#include "support/mail_lines.h"

namespace vorenta {
namespace {

using Keywords = std::vector<std::u16string>;

// The rule, one keyword at a time, on folded text mapped back.
int ReferencePosition(const std::u16string& line, const Keywords& keywords, bool fold) {
  if (!fold) return FirstKeywordPosition(line, keywords);
  std::vector<int> origin;
  const std::u16string folded = FoldText(line, &origin);
  Keywords folded_keywords;
  for (const auto& k : keywords) folded_keywords.push_back(FoldText(k));
  const int position = FirstKeywordPosition(folded, folded_keywords);
  return position == 0 ? 0 : origin[static_cast<size_t>(position - 1)] + 1;
}

// For each unit of the line, the earliest keyword whose occurrence covers
// it, or -1; and each keyword's count of the line (0 or 1).
struct Reference {
  std::vector<int> owner;
  std::vector<int> counts;
};

Reference ReferenceMarks(const std::u16string& line, const Keywords& keywords, bool fold) {
  std::vector<int> origin;
  const std::u16string folded = fold ? FoldText(line, &origin) : line;
  if (!fold) {
    for (int i = 0; i <= static_cast<int>(line.size()); ++i) origin.push_back(i);
  }
  Reference reference{std::vector<int>(line.size(), -1), std::vector<int>(keywords.size(), 0)};
  for (int index = static_cast<int>(keywords.size()) - 1; index >= 0; --index) {
    const std::u16string k = fold ? FoldText(keywords[index]) : keywords[index];
    if (k.empty()) {
      reference.counts[index] = line.empty() ? 0 : 1;
      continue;
    }
    for (size_t at = folded.find(k); at != std::u16string::npos; at = folded.find(k, at + 1)) {
      reference.counts[index] = 1;
      for (int u = origin[at]; u < origin[at + k.size()]; ++u)
        reference.owner[static_cast<size_t>(u)] = index;
    }
  }
  return reference;
}

std::vector<TextRange> MergedRuns(const std::vector<int>& owner) {
  std::vector<TextRange> ranges;
  for (int i = 0; i < static_cast<int>(owner.size()); ++i) {
    if (owner[static_cast<size_t>(i)] < 0) continue;
    if (!ranges.empty() && ranges.back().end == i) {
      ranges.back().end = i + 1;
    } else {
      ranges.push_back({i, i + 1});
    }
  }
  return ranges;
}

std::vector<KeywordRange> KeywordRuns(const std::vector<int>& owner) {
  std::vector<KeywordRange> ranges;
  for (int i = 0; i < static_cast<int>(owner.size()); ++i) {
    const int keyword = owner[static_cast<size_t>(i)];
    if (keyword < 0) continue;
    if (!ranges.empty() && ranges.back().end == i && ranges.back().keyword == keyword) {
      ranges.back().end = i + 1;
    } else {
      ranges.push_back({i, i + 1, keyword});
    }
  }
  return ranges;
}

TEST(KeywordMatcher, TheFirstKeywordInListOrderDecidesNotTheLeftmost) {
  const KeywordMatcher matcher({u"セール", u"送料"}, false);
  EXPECT_EQ(matcher.FirstPosition(u"送料無料のセール"), 6);
  EXPECT_EQ(matcher.FirstPosition(u"送料無料"), 1);
  EXPECT_EQ(matcher.FirstPosition(u"なし"), 0);
  EXPECT_TRUE(matcher.AnyIn(u"送料"));
  EXPECT_FALSE(matcher.AnyIn(u""));
}

TEST(KeywordMatcher, EmptyKeywordsAndEmptyLists) {
  EXPECT_EQ(KeywordMatcher({u"zzz", u""}, false).FirstPosition(u"abc"), 1);
  EXPECT_EQ(KeywordMatcher({u"c", u""}, false).FirstPosition(u"abc"), 3);
  EXPECT_EQ(KeywordMatcher({u""}, false).FirstPosition(u""), 0);
  EXPECT_FALSE(KeywordMatcher({}, true).AnyIn(u"abc"));
  EXPECT_TRUE(MergedOccurrences(KeywordMatcher(), u"abc").empty());
}

TEST(KeywordMatcher, FoldedMatchesStartWhereTheirFirstUnitCameFrom) {
  const KeywordMatcher matcher({u"ガイド", u"sale"}, true);
  EXPECT_EQ(matcher.FirstPosition(u"新ｶﾞｲﾄﾞ"), 2);
  EXPECT_EQ(matcher.FirstPosition(u"ｶﾞｶﾞｲﾄﾞ"), 3);
  EXPECT_EQ(MergedOccurrences(matcher, u"ｶﾞｲﾄﾞとＳａＬｅ"),
            (std::vector<TextRange>{{0, 5}, {6, 10}}));
  EXPECT_EQ(KeywordMatcher({u"ガイド"}, false).FirstPosition(u"ｶﾞｲﾄﾞ"), 0);
}

TEST(KeywordMatcher, OverlapsAreMarkedForTheEarlierKeywordAndRepeatsCountAsTheFirst) {
  const KeywordMatcher matcher({u"セール", u"ル開催", u"セール", u""}, false);
  EXPECT_EQ(matcher.KeywordOccurrences(u"大セール開催"),
            (std::vector<KeywordRange>{{1, 4, 0}, {4, 6, 1}}));
  std::vector<int> counts(4, 0);
  matcher.CountKeywordsIn(u"セールとセール", counts);
  matcher.CountKeywordsIn(u"ル開催", counts);
  matcher.CountKeywordsIn(u"", counts);
  EXPECT_EQ(counts, (std::vector<int>{1, 1, 1, 2}));
}

TEST(KeywordMatcher, AgreesWithThePlainSearchOnRandomText) {
  // A small alphabet with the units the fold changes, so that matches,
  // overlaps and compositions are frequent.
  const std::u16string alphabet = u"abABｶﾊﾞﾟガパかはセｾせーｰ〜～-－ ";
  std::mt19937 random(20261207);
  const auto pick = [&](size_t max_length) {
    std::u16string s(random() % (max_length + 1), u' ');
    for (auto& c : s) c = alphabet[random() % alphabet.size()];
    return s;
  };
  for (int round = 0; round < 3000; ++round) {
    Keywords keywords;
    const int count = static_cast<int>(random() % 6);
    for (int k = 0; k < count; ++k) keywords.push_back(pick(3));
    const std::u16string line = pick(12);
    for (bool fold : {false, true}) {
      const KeywordMatcher matcher(keywords, fold);
      const int expected = ReferencePosition(line, keywords, fold);
      ASSERT_EQ(matcher.FirstPosition(line), expected) << "round " << round << " fold " << fold;
      ASSERT_EQ(matcher.AnyIn(line), expected > 0) << "round " << round;
      const Reference reference = ReferenceMarks(line, keywords, fold);
      ASSERT_EQ(MergedOccurrences(matcher, line), MergedRuns(reference.owner))
          << "round " << round << " fold " << fold;
      ASSERT_EQ(matcher.KeywordOccurrences(line), KeywordRuns(reference.owner))
          << "round " << round << " fold " << fold;
      std::vector<int> counts(keywords.size(), 0);
      ASSERT_EQ(matcher.CountKeywordsIn(line, counts), expected > 0) << "round " << round;
      ASSERT_EQ(counts, reference.counts) << "round " << round << " fold " << fold;
    }
  }
}

}  // namespace
}  // namespace vorenta
