#pragma once
// The main window's logic: its handlers and methods, written only against the
// platform operations so that it runs on real controls and on the in-memory
// model alike.

#include <optional>
#include <string>
#include <vector>

#include "core/keyword_matcher.h"
#include "settings/options_file.h"
#include "settings/settings_store.h"
#include "ui/keyword_saving.h"
#include "ui/mail_pane_menu.h"
#include "ui/platform.h"
#include "ui/search_marks.h"
#include "ui/search_results.h"
#include "ui/system_menu.h"
#include "ui/user_senders.h"

namespace vorenta {

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyF3 = 114;
inline constexpr int kKeyA = 65;
inline constexpr int kKeyC = 67;
inline constexpr int kKeyV = 86;
inline constexpr int kButtonLeft = 1;
inline constexpr int kButtonRight = 2;
inline constexpr int kButtonMiddle = 4;
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;
inline constexpr int kShowNoActivate = 4;  // SW_SHOWNOACTIVATE

class WindowLogic {
 public:
  WindowLogic(Platform& platform, SettingsStore& settings);

  // Window methods.
  void ShowMail(std::u16string_view mail_text);
  int FirstKeywordPositionIn(int line_index) const;
  int AddressRunLength(const std::u16string& s, int p) const;
  void FillUrlChars();
  const std::vector<char16_t>& UrlChars() const { return url_chars_; }

  // Handlers.
  void OnResize();
  void OnSearchClick();
  void OnSearchButtonDown(int button, int shift);
  // Shift+F10 or the context-menu key on the Search button.
  void OnSearchButtonContextKey();
  void OnMailLineClick();
  void OnMailPaneKey(int key_code, int shift);
  // Files, else (with the option on) HTML, else text. Files of no kind the
  // pane reads, unreadable or too large ones are told and keep the pane.
  void OnMailPaneDrop(const DropData& data);
  // Whether a drop would be taken: for the cursor while it is dragged over.
  bool AcceptsMailPaneDrop(const DropData& data) const;
  // Files dropped on the keyword list: their keywords join it, as the
  // menu's reading of a file does. Anything else is refused.
  void OnKeywordListDrop(const DropData& data);
  bool AcceptsKeywordListDrop(const DropData& data) const;
  void OnKeywordBoxKey(int key_code, int shift);
  void OnKeywordDoubleClick();
  void OnKeywordListKey(int key_code, int shift);
  void OnAddressBoxKey(int key_code, int shift);
  // Keys that mean the same wherever the focus is (F3, Shift+F3); false
  // when the key is not one of them.
  bool OnWindowKey(int key_code, int shift);
  // To the next (or previous) line the last search found, wrapping at the
  // ends; the selection stays as it is.
  void MoveToHit(bool backwards);

  // The system menu's extra entries, as they stand now, and their commands.
  std::vector<MenuItem> SystemMenu() const;
  void RunMenuCommand(MenuCommand command);

  // What the mail pane draws while it holds no mail; empty once it holds
  // lines (see window_logic_mail_pane.cpp).
  std::u16string_view MailPaneHint() const;
  // The mail pane's own menu as it stands now, and its commands.
  std::vector<MailPaneMenuItem> MailPaneMenu() const;
  void RunMailPaneCommand(MailPaneCommand command);

  // The lines the drag and Ctrl+C carry: the selected ones, joined by CR LF.
  std::u16string SelectedLinesText() const;

  // What the mail pane shows highlighted in a line: every occurrence of the
  // keywords as of the last search, each in its keyword's colour, until the
  // next paste or drop.
  std::vector<Highlight> HighlightsIn(std::u16string_view line) const;
  // What the keyword list draws beside the keyword at that index.
  KeywordListEntry KeywordListEntryAt(int index) const;

  // Saves the keywords at close; false when the user chose to keep the
  // window open (see KeywordSaving::MayClose).
  bool MayClose(bool may_ask);

  bool IsKeywordPanelOpen() const;
  // True once the user added or removed a keyword during this run.
  bool KeywordsEdited() const { return keywords_edited_; }
  // The keyword list, which the keyword list box shows.
  const std::vector<std::u16string>& Keywords() const { return keywords_; }
  // Replaces the list (at start).
  void SetKeywords(const std::vector<std::u16string>& keywords);

  void LoadOptions();
  void LoadSenders();
  const UserSenders& user_senders() const { return user_senders_; }
  const Options& options() const { return options_; }

  Platform& platform() { return p_; }

 private:
  void ToggleKeywordPanel();
  void PasteText();
  // The clipboard's HTML with its link addresses, else its text.
  void PasteWithLinks();
  void OpenMailFile(const std::vector<std::u16string>& file_names);
  void OpenDraggedMessage(const DropData& data, const std::vector<std::u16string>& names);
  void ShowMailFile(const std::u16string& name, const std::string& bytes);
  void ShowOutlookItem(const std::u16string& name, const ItemStorage& item);
  // The sender the mail shown is from: its From: address (address followed
  // by '>', as the sender rows have it) for a mail file or a dragged
  // message, else what the mail's first line names.
  std::u16string SenderKey() const;
  void OpenSenderPage();
  void OpenAddress();
  // The title's count and the keyword list's, as of the last search.
  void ShowSearchResults();
  void RemoveCurrentKeyword();
  void CopySelectedLines();
  void KeywordsChanged();
  // Keyword lists in files of the user's choosing
  // (window_logic_keyword_files.cpp).
  void ExportKeywords();
  void ImportKeywords();
  void ImportKeywordFiles(const std::vector<std::u16string>& paths);
  // The file's keywords; nullopt, the user told why, when it cannot be read.
  std::optional<std::vector<std::u16string>> ReadKeywordSource(const std::u16string& path);
  void ChangeOptions(const Options& options);
  void ShowAbout();
  const KeywordMatcher& PositionMatcher() const;
  // Registering a sender (see window_logic_senders.cpp): only with an
  // address a click took from the mail now shown, and only once the user
  // said yes.
  bool SenderRegistrable() const;
  void RegisterSender();

  Platform& p_;
  SettingsStore& settings_;
  KeywordSaving keyword_saving_;
  UserSenders user_senders_;
  Options options_;
  std::vector<char16_t> url_chars_;
  bool keywords_edited_ = false;
  std::vector<std::u16string> keywords_;
  // Of the mail shown, when it came from a mail file or a dragged message.
  std::u16string mail_sender_address_;
  // Built at the first question after a change of the list or of the fold.
  mutable std::optional<KeywordMatcher> position_matcher_;
  mutable bool position_fold_ = false;
  KeywordMatcher highlighter_;
  SearchResults results_;
  // The address the last line click put in the address box, since the
  // mail now shown arrived; empty before.
  std::u16string address_from_mail_;
};

}  // namespace vorenta
