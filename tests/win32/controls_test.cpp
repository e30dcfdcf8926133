#include <gtest/gtest.h>

#include "ui/win32/win32_list_box.h"
#include "ui/win32/win32_push_button.h"
#include "ui/win32/win32_text_box.h"
#include "win32_test_support.h"

namespace vorenta {
namespace {

using testing::ChildRect;
using testing::HostWindow;

constexpr layout::ControlDesign kPane{60, 480, 8415, 7470, true};

HWND MakeChild(HWND parent, const wchar_t* control_class, DWORD style) {
  return CreateWindowExW(0, control_class, L"", WS_CHILD | style, 0, 0, 0, 0, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

class ListBoxTest : public ::testing::Test {
 protected:
  ListBox& Extended() { return extended_; }
  ListBox& Single() { return single_; }

  HostWindow host_;
  WindowDpi dpi_;
  Win32ListBox extended_{MakeChild(host_.hwnd(), L"LISTBOX", LBS_NOTIFY | LBS_EXTENDEDSEL), kPane,
                         dpi_};
  Win32ListBox single_{MakeChild(host_.hwnd(), L"LISTBOX", LBS_NOTIFY), kPane, dpi_};
};

TEST_F(ListBoxTest, ItemsStayInTheOrderAdded) {
  for (const char16_t* text : {u"b", u"a", u"", u"c", u"a"}) Extended().AddItem(text);
  ASSERT_EQ(Extended().Count(), 5);
  EXPECT_EQ(Extended().ItemText(0), u"b");
  EXPECT_EQ(Extended().ItemText(1), u"a");
  EXPECT_EQ(Extended().ItemText(2), u"");
  EXPECT_EQ(Extended().ItemText(3), u"c");
  EXPECT_EQ(Extended().ItemText(4), u"a");
}

TEST_F(ListBoxTest, ItemTextOfAMissingIndexIsEmpty) {
  for (int index : {0, -1, 1}) EXPECT_EQ(Extended().ItemText(index), u"") << index;
  Extended().AddItem(u"only");
  EXPECT_EQ(Extended().ItemText(1), u"");
  EXPECT_EQ(Extended().ItemText(-1), u"");
}

TEST_F(ListBoxTest, ItemTextKeepsLongAndNonJapaneseText) {
  const std::u16string text = std::u16string(5000, u'あ') + u"\U0001F600";
  Extended().AddItem(text);
  EXPECT_EQ(Extended().ItemText(0), text);
}

TEST_F(ListBoxTest, SettingOneSelectedKeepsTheOthers) {
  for (int i = 0; i < 5; ++i) Extended().AddItem(u"line");
  Extended().SetSelected(1);
  Extended().SetSelected(2);
  Extended().SetSelected(3);
  EXPECT_FALSE(Extended().IsSelected(0));
  EXPECT_TRUE(Extended().IsSelected(1));
  EXPECT_TRUE(Extended().IsSelected(2));
  EXPECT_TRUE(Extended().IsSelected(3));
  EXPECT_FALSE(Extended().IsSelected(4));
}

TEST_F(ListBoxTest, SingleSelectionListSelectsOneItem) {
  for (int i = 0; i < 3; ++i) Single().AddItem(u"keyword");
  Single().SetSelected(2);
  EXPECT_TRUE(Single().IsSelected(2));
  EXPECT_EQ(Single().CurrentIndex(), 2);
}

TEST_F(ListBoxTest, CurrentIndexIsNoItemOnAnEmptyList) {
  EXPECT_EQ(Extended().CurrentIndex(), ListBox::kNoItem);
  EXPECT_EQ(Single().CurrentIndex(), ListBox::kNoItem);
  Single().AddItem(u"unselected");
  EXPECT_EQ(Single().CurrentIndex(), ListBox::kNoItem);
}

TEST_F(ListBoxTest, CurrentIndexOfTheExtendedListIsTheCaret) {
  for (int i = 0; i < 4; ++i) Extended().AddItem(u"line");
  SendMessageW(extended_.hwnd(), LB_SETCARETINDEX, 2, FALSE);
  EXPECT_EQ(Extended().CurrentIndex(), 2);
}

TEST_F(ListBoxTest, RemovingMovesLaterItemsUpAndIgnoresMissingIndexes) {
  for (const char16_t* text : {u"a", u"b", u"c"}) Single().AddItem(text);
  Single().RemoveItem(1);
  Single().RemoveItem(7);
  Single().RemoveItem(-1);
  ASSERT_EQ(Single().Count(), 2);
  EXPECT_EQ(Single().ItemText(0), u"a");
  EXPECT_EQ(Single().ItemText(1), u"c");
}

TEST_F(ListBoxTest, ClearLeavesNoItemsAndNoSelection) {
  for (int i = 0; i < 3; ++i) Extended().AddItem(u"line");
  Extended().SetSelected(1);
  Extended().Clear();
  EXPECT_EQ(Extended().Count(), 0);
  EXPECT_EQ(SendMessageW(extended_.hwnd(), LB_GETSELCOUNT, 0, 0), 0);
  Extended().AddItem(u"new");
  EXPECT_FALSE(Extended().IsSelected(0));
}

TEST_F(ListBoxTest, ItemAtFindsTheLineUnderAPoint) {
  for (int i = 0; i < 3; ++i) Extended().AddItem(u"line");
  RECT second{};
  SendMessageW(extended_.hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  EXPECT_EQ(extended_.ItemAt(POINT{second.left + 2, second.top + 1}), 1);
  EXPECT_EQ(extended_.ItemAt(POINT{2, 400}), ListBox::kNoItem);
}

// LB_ITEMFROMPOINT carries 16 bits: line 66,000 would be taken for 464.
TEST_F(ListBoxTest, ItemAtReachesLinesPastSixteenBits) {
  std::u16string mail;
  for (int i = 0; i < 70000; ++i) mail += u"line\r";
  MailLineReader lines(mail);
  extended_.ReplaceItems(lines);
  SendMessageW(extended_.hwnd(), LB_SETTOPINDEX, 66000, 0);
  RECT row{};
  SendMessageW(extended_.hwnd(), LB_GETITEMRECT, 66001, reinterpret_cast<LPARAM>(&row));
  EXPECT_EQ(extended_.ItemAt(POINT{row.left + 2, row.top + 1}), 66001);
}

// Many runs of single lines and one long run, as a search selects them.
TEST_F(ListBoxTest, BulkWorkFillsReadsAndSelectsEveryLine) {
  MailLineReader lines(u"a\r\nb\r\nc\r\nd\r\ne\r\nf");
  Extended().ReplaceItems(lines);
  Extended().SetSelected(1);
  Extended().SelectItems({0, 3, 4, 5});
  EXPECT_EQ(Extended().SelectedIndexes(), (std::vector<int>{0, 1, 3, 4, 5}));
  std::u16string read;
  Extended().ForEachItem([&](int index, std::u16string_view line) {
    read += static_cast<char16_t>(u'0' + index);
    read += line;
  });
  EXPECT_EQ(read, u"0a1b2c3d4e5f");
  EXPECT_TRUE(IsWindowVisible(extended_.hwnd()) || !IsWindowVisible(host_.hwnd()));
}

struct GeometryCase {
  int dpi;
  RECT pixels;  // left, top, right, bottom
};

class ControlGeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(ControlGeometryTest, TwipsArePlacedInPixelsAtTheWindowDpi) {
  HostWindow host;
  WindowDpi dpi{GetParam().dpi};
  Win32ListBox pane(MakeChild(host.hwnd(), L"LISTBOX", LBS_NOINTEGRALHEIGHT), kPane, dpi);
  const RECT placed = ChildRect(pane.hwnd());
  const RECT& expected = GetParam().pixels;
  EXPECT_EQ(placed.left, expected.left);
  EXPECT_EQ(placed.top, expected.top);
  EXPECT_EQ(placed.right, expected.right);
  EXPECT_EQ(placed.bottom, expected.bottom);
}

INSTANTIATE_TEST_SUITE_P(Dpis, ControlGeometryTest,
                         ::testing::Values(GeometryCase{96, {4, 32, 565, 530}},
                                           GeometryCase{120, {5, 40, 706, 663}},
                                           GeometryCase{144, {6, 48, 848, 795}},
                                           GeometryCase{192, {8, 64, 1130, 1060}}));

TEST(ControlGeometry, ReadsBackExactlyWhatWasSetWhateverThePixels) {
  HostWindow host;
  WindowDpi dpi{144};
  Win32TextBox box(MakeChild(host.hwnd(), L"EDIT", 0), kPane, dpi);
  box.SetLeft(1515.5f);
  box.SetWidth(5699.25f);
  box.SetHeight(7.0f);
  EXPECT_EQ(box.Left(), 1515.5f);
  EXPECT_EQ(box.Width(), 5699.25f);
  EXPECT_EQ(box.Height(), 7.0f);
  EXPECT_EQ(box.Top(), 480.0f);
  const RECT placed = ChildRect(box.hwnd());
  EXPECT_EQ(placed.left, 152);
  EXPECT_EQ(placed.right, 721);  // 7214.75 twips at 10 twips to the pixel
}

TEST(ControlGeometry, ANewDpiOnlyNeedsThePlacementRedone) {
  HostWindow host;
  WindowDpi dpi{96};
  Win32ListBox pane(MakeChild(host.hwnd(), L"LISTBOX", LBS_NOINTEGRALHEIGHT), kPane, dpi);
  pane.SetWidth(3000);
  dpi.value = 192;
  pane.Place();
  const RECT placed = ChildRect(pane.hwnd());
  EXPECT_EQ(placed.left, 8);
  EXPECT_EQ(placed.right - placed.left, 400);
}

TEST(ControlVisibility, FollowsTheControlsOwnStateWhileTheParentIsHidden) {
  HostWindow hidden_host;
  WindowDpi dpi;
  Win32TextBox shown(MakeChild(hidden_host.hwnd(), L"EDIT", 0), kPane, dpi);
  Win32TextBox hidden(MakeChild(hidden_host.hwnd(), L"EDIT", 0),
                      layout::ControlDesign{60, 60, 1395, 330, false}, dpi);
  EXPECT_TRUE(shown.IsVisible());
  EXPECT_FALSE(hidden.IsVisible());
  shown.Hide();
  hidden.Show();
  EXPECT_FALSE(shown.IsVisible());
  EXPECT_TRUE(hidden.IsVisible());
}

TEST(ControlVisibility, HidingAndShowingTheFocusedControlGivesTheFocusBack) {
  HostWindow host(/*visible=*/true);
  SetForegroundWindow(host.hwnd());
  WindowDpi dpi;
  Win32ListBox pane(MakeChild(host.hwnd(), L"LISTBOX", 0), kPane, dpi);
  Win32TextBox other(MakeChild(host.hwnd(), L"EDIT", 0),
                     layout::ControlDesign{60, 60, 900, 300, true}, dpi);
  SetFocus(pane.hwnd());
  ASSERT_EQ(GetFocus(), pane.hwnd());
  pane.Hide();
  EXPECT_NE(GetFocus(), pane.hwnd());
  pane.Show();
  EXPECT_EQ(GetFocus(), pane.hwnd());

  // A control that did not have the focus does not take it.
  other.Hide();
  other.Show();
  EXPECT_EQ(GetFocus(), pane.hwnd());
}

TEST(TextBox, TextIsReadBackWhole) {
  HostWindow host;
  WindowDpi dpi;
  Win32TextBox box(MakeChild(host.hwnd(), L"EDIT", ES_AUTOHSCROLL), kPane, dpi);
  EXPECT_EQ(box.Text(), u"");
  SendMessageW(box.hwnd(), EM_SETLIMITTEXT, 0, 0);
  const std::u16string text = u"http://example.jp/" + std::u16string(40000, u'a') + u"\U0001F600";
  box.SetText(text);
  EXPECT_EQ(box.Text(), text);
  box.SetText(u"");
  EXPECT_EQ(box.Text(), u"");
}

TEST(PushButton, HasNoToolTipUntilOneIsSet) {
  HostWindow host;
  WindowDpi dpi;
  Win32PushButton button(MakeChild(host.hwnd(), L"BUTTON", BS_PUSHBUTTON), kPane, dpi);
  EXPECT_EQ(button.ToolTip(), u"");
  button.SetToolTip(u"shift + R ; Kestrow");
  EXPECT_EQ(button.ToolTip(), u"shift + R ; Kestrow");
  button.SetToolTip(u"検索");
  EXPECT_EQ(button.ToolTip(), u"検索");
}

}  // namespace
}  // namespace vorenta
