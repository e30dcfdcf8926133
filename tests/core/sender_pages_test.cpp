#include "core/sender_pages.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace vorenta {
namespace {

bool EndsWith(std::u16string_view s, std::u16string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

TEST(SenderPages, HasSeventeenRowsOfTheExpectedKinds) {
  const auto rows = SenderPages();
  ASSERT_EQ(rows.size(), 17u);
  std::set<std::u16string_view> keys;
  for (size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    const auto& r = rows[i];
    SCOPED_TRACE(row);
    EXPECT_TRUE(EndsWith(r.key, u">"));
    EXPECT_EQ(r.key.find_first_of(u"< "), std::u16string_view::npos);
    EXPECT_NE(r.key.find(u'@'), std::u16string_view::npos);
    EXPECT_TRUE(keys.insert(r.key).second) << "duplicate key";
    if (row == 6) {
      EXPECT_TRUE(EndsWith(r.page, u"/sintyaku_hyouji.shtml"));
    } else if (row == 8) {
      EXPECT_TRUE(EndsWith(r.page, u"/cs_sys/"));
    } else {
      EXPECT_TRUE(EndsWith(r.page, u"/sintyaku.shtml"));
    }
    const bool adt = row == 1 || row == 2 || row == 4 || row == 5 || row == 7 || row == 9 ||
                     row == 10 || row == 11 || row == 16;
    const bool lit = row == 3 || row == 13 || row == 14 || row == 17;
    EXPECT_EQ(r.page.find(u"/adt/") != std::u16string_view::npos, adt);
    EXPECT_EQ(r.page.find(u"/lit/") != std::u16string_view::npos, lit);
    EXPECT_EQ(r.page.substr(0, 8) == u"https://", row == 12);
  }
}

TEST(FindSenderPage, SixCharactersOfPrefixThenExactlyAKey) {
  for (const auto& row : SenderPages()) {
    EXPECT_EQ(FindSenderPage(u"From: " + std::u16string(row.key)), row.page);
    EXPECT_EQ(FindSenderPage(u"差出人：<<" + std::u16string(row.key)), row.page);
  }
}

TEST(FindSenderPage, AnythingButAnExactKeyFindsNothing) {
  const std::u16string key(SenderPages()[0].key);
  std::u16string upper = key;
  for (auto& c : upper) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  }
  EXPECT_EQ(FindSenderPage(u"From: " + upper), u"");
  EXPECT_EQ(FindSenderPage(u"From: " + key + u" "), u"");
  EXPECT_EQ(FindSenderPage(u"From: <" + key), u"");
  EXPECT_EQ(FindSenderPage(u"From:" + key), u"");
  EXPECT_EQ(FindSenderPage(key), u"");
  EXPECT_EQ(FindSenderPage(u""), u"");
  EXPECT_EQ(FindSenderPage(u"From: "), u"");
}

TEST(FindSenderPage, UserRowsComeAfterTheBuiltInOnesInTheirOrderAndByTheSameRule) {
  const std::u16string built_in_key(SenderPages()[3].key);
  const std::vector<SenderRow> user_rows = {
      {built_in_key, u"http://user.example/shadowed"},
      {u"shop@user.example>", u"http://user.example/first"},
      {u"shop@user.example>", u"http://user.example/second"},
  };
  EXPECT_EQ(FindSenderPage(u"From: " + built_in_key, user_rows), SenderPages()[3].page);
  EXPECT_EQ(FindSenderPage(u"From: shop@user.example>", user_rows), u"http://user.example/first");
  EXPECT_EQ(FindSenderPage(u"From: Shop@user.example>", user_rows), u"");
  EXPECT_EQ(FindSenderPage(u"From:shop@user.example>", user_rows), u"");
  EXPECT_EQ(FindSenderPage(u"From: shop@user.example>", {}), u"");
}

TEST(SenderKeyOf, IsTheLineFromItsSeventhCharacter) {
  EXPECT_EQ(SenderKeyOf(u"From: a@b>"), u"a@b>");
  EXPECT_EQ(SenderKeyOf(u"差出人：<<x"), u"x");
  EXPECT_EQ(SenderKeyOf(u"From: "), u"");
  EXPECT_EQ(SenderKeyOf(u""), u"");
}

TEST(BrowserCommandLine, QuotesTheBrowserPath) {
  EXPECT_EQ(BrowserCommandLine(u"http://www.example.com/adt/x/sintyaku.shtml"),
            u"\"C:\\Program Files\\Internet Explorer\\Iexplore.exe\" "
            u"http://www.example.com/adt/x/sintyaku.shtml");
}

}  // namespace
}  // namespace vorenta
