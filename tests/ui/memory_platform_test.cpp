#include "ui/memory/memory_platform.h"

#include <gtest/gtest.h>

namespace vorenta {
namespace {

TEST(MemoryListBox, MissingIndexReadsAsEmptyText) {
  MemoryListBox list{layout::kMailPane};
  EXPECT_EQ(list.ItemText(0), u"");
  EXPECT_EQ(list.ItemText(list.CurrentIndex()), u"");
  list.AddItem(u"a");
  EXPECT_EQ(list.ItemText(1), u"");
  EXPECT_EQ(list.ItemText(-5), u"");
}

TEST(MemoryListBox, SelectingAnItemKeepsOtherSelections) {
  MemoryListBox list{layout::kMailPane};
  for (auto text : {u"d", u"c", u"b", u"a"}) list.AddItem(text);
  list.SetSelected(1);
  list.SetSelected(2);
  list.SetSelected(3);
  EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(list.ItemText(0), u"d");  // never sorted
}

TEST(MemoryListBox, RemoveMovesLaterItemsUpWithTheirSelection) {
  MemoryListBox list{layout::kKeywordList};
  for (auto text : {u"a", u"b", u"c"}) list.AddItem(text);
  list.SetSelected(2);
  list.SetCurrentIndex(2);
  list.RemoveItem(1);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.ItemText(1), u"c");
  EXPECT_TRUE(list.IsSelected(1));
  EXPECT_EQ(list.CurrentIndex(), 1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.CurrentIndex(), ListBox::kNoItem);
}

TEST(MemorySystemCalls, ModuleFileNameBehavesLikeTheRealCall) {
  MemorySystemCalls system;
  char buffer[8];
  EXPECT_EQ(system.GetModuleFileNameA(buffer, sizeof buffer), 0u);
  system.SetModulePath("C:\\a.exe");  // 8 bytes: cut to 7 and the NUL
  EXPECT_EQ(system.GetModuleFileNameA(buffer, sizeof buffer), 8u);
  EXPECT_STREQ(buffer, "C:\\a.ex");
  system.SetModulePath("C:\\b");
  EXPECT_EQ(system.GetModuleFileNameA(buffer, sizeof buffer), 4u);
}

}  // namespace
}  // namespace vorenta
