// Keyword lists written to a file and read back, through the system menu's
// Save As and Open dialogs, and a text file dropped on the keyword list.

#include <gtest/gtest.h>

#include "control_state.h"
#include "file_bytes.h"
#include "message_dialogs.h"
#include "ole_drag.h"
#include "real_input.h"
#include "text_convert.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

using Keywords = std::vector<std::u16string>;

// The file dialogs' name box: edt1, or the edit inside cmb13, however deep
// (Wine puts it inside a ComboBoxEx).
constexpr int kFileNameEdit = 0x480;
constexpr int kFileNameCombo = 0x47c;

HWND WaitForDialog(const VorentaSession& vorenta, const std::u16string& words) {
  HWND dialog = nullptr;
  WaitUntil([&] {
    dialog = FindDialogOf(vorenta.process_id());
    return dialog && DialogText(dialog).find(words) != std::u16string::npos;
  });
  return dialog && DialogText(dialog).find(words) != std::u16string::npos ? dialog : nullptr;
}

HWND FileNameBox(HWND dialog) {
  HWND found = nullptr;
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM result) -> BOOL {
        wchar_t class_name[16] = {};
        GetClassNameW(child, class_name, 16);
        const int id = GetDlgCtrlID(child);
        if (_wcsicmp(class_name, L"Edit") != 0 || !IsWindowVisible(child) ||
            (id != kFileNameEdit && id != kFileNameCombo)) {
          return TRUE;
        }
        *reinterpret_cast<HWND*>(result) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Alt+Space and the entry's letter, then the full name typed into the file
// dialog's name box and Enter, as a user does.
void PickFileThroughMenu(VorentaSession& vorenta, WORD letter, const std::wstring& path) {
  ASSERT_TRUE(vorenta.BringToFront());
  PressKey(VK_SPACE, kAlt);
  ASSERT_TRUE(WaitUntil([&] { return PopupMenuIsOpen(vorenta.process_id()); }));
  PressKey(letter);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    dialog = FindDialogOf(vorenta.process_id());
    return dialog && FileNameBox(dialog);
  }));
  Click(CenterOf(FileNameBox(dialog)));
  PressKey(VK_END);
  PressKey(VK_HOME, kShift);
  TypeText(U16(path));
  PressKey(VK_RETURN);
}

void Acknowledge(const VorentaSession& vorenta, const std::u16string& words) {
  const HWND told = WaitForDialog(vorenta, words);
  ASSERT_NE(told, nullptr) << Utf8(words);
  ASSERT_TRUE(PressDialogButton(told, u"OK"));
  ASSERT_TRUE(WaitUntil([&] { return FindDialogOf(vorenta.process_id()) == nullptr; }));
}

TEST(KeywordBackup, AListExportedFromOnePcAndReadIntoAnEmptyListIsTheSameList) {
  // A keyword file in the marked form: one keyword holds a line break.
  const std::string marked =
      "\xEF\xBB\xBF#Vorenta keywords format 2\r\n"
      "\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB\r\n"  // セール
      "\"a,b\"\r\n"
      "\"two\r\nlines\"\r\n";
  const Keywords list = {u"セール", u"a,b", u"two\r\nlines"};
  VorentaSession other_pc;
  VorentaSession this_pc({.keyword_file_bytes = marked});
  ASSERT_EQ(ListItems(this_pc.control(kKeywordList)), list);
  const std::wstring backup = other_pc.PathOf(L"キーワード.txt");

  PickFileThroughMenu(this_pc, 'E', backup);
  Acknowledge(this_pc, u"3 件書き出しました");
  EXPECT_TRUE(FileExists(backup));

  ASSERT_TRUE(ListItems(other_pc.control(kKeywordList)).empty());
  PickFileThroughMenu(other_pc, 'I', backup);
  Acknowledge(other_pc, u"3 件追加しました");
  EXPECT_EQ(ListItems(other_pc.control(kKeywordList)), list);
}

TEST(KeywordBackup, ATextFileDroppedOnTheKeywordListAddsItsNewKeywords) {
  VorentaSession vorenta({.keyword_file_bytes = "sale\r\n"});
  const HWND keywords = vorenta.control(kKeywordList);
  ASSERT_TRUE(vorenta.BringToFront());
  ToggleKeywordPanel(vorenta.window());
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(keywords) != FALSE; }));
  const std::wstring file = vorenta.PathOf(L"list.txt");
  // UTF-8 without a byte-order mark: 送料無料, then one already in the list.
  ASSERT_TRUE(WriteFileBytes(file, "\xE9\x80\x81\xE6\x96\x99\xE7\x84\xA1\xE6\x96\x99\nsale\n"));

  const DragOutcome outcome =
      DragAndDrop({DroppedFiles({file})}, BesideWindow(vorenta.window()), CenterOf(keywords));
  ASSERT_TRUE(outcome.finished);
  EXPECT_EQ(outcome.result, DRAGDROP_S_DROP);

  Acknowledge(vorenta, u"1 件追加しました");
  EXPECT_EQ(ListItems(keywords), (Keywords{u"sale", u"送料無料"}));
  EXPECT_TRUE(WaitUntil([&] {
    return ReadFileBytes(vorenta.PathOf(kKeywordFile)) ==
           std::string("sale\r\n\x91\x97\x97\xBF\x96\xB3\x97\xBF\r\n");
  }));
}

}  // namespace
}  // namespace vorenta_e2e
