#pragma once
// Everything the program says to the user: menu entries, control names, cue
// banners and messages. The words live in one file (texts_ja.cpp), so that
// another language is one file's work.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace vorenta::texts {

// The caption of every message box.
extern const char16_t kMessageTitle[];

// The window's system menu. A tab separates an entry from its key.
extern const char16_t kMenuTogglePanel[];
extern const char16_t kMenuRemoveKeyword[];
extern const char16_t kMenuExportKeywords[];
extern const char16_t kMenuImportKeywords[];
extern const char16_t kMenuCopyLines[];
extern const char16_t kMenuPasteWithLinks[];
extern const char16_t kMenuOpenSenderPage[];
extern const char16_t kMenuRegisterSender[];
extern const char16_t kMenuFuzzySearch[];
extern const char16_t kMenuAlwaysOnTop[];
extern const char16_t kMenuRememberPlacement[];
extern const char16_t kMenuHtmlLinks[];
extern const char16_t kMenuAbout[];

// Names that screen readers announce, and the hints shown in empty boxes.
extern const char16_t kNameMailPane[];
extern const char16_t kNameKeywordList[];
extern const char16_t kNameUrlBox[];
extern const char16_t kNameKeywordBox[];
extern const char16_t kCueKeywordBox[];
extern const char16_t kCueUrlBox[];

// A file that could not be written: its full name, the system's error code
// and the system's description of it.
struct SaveFailure {
  std::u16string path;
  std::uint32_t error = 0;
  std::u16string system_text;
};

// Why a file could not be written, in plain words: the system's own text
// for the error, or ours where the system's would mislead.
std::u16string FailureReason(std::uint32_t error, const std::u16string& system_text);
// What the user can do about it, fitting the cause: close the program that
// holds the file, free space on the disk, or move the folder.
std::u16string SaveAdvice(std::uint32_t error);

UserMessage KeywordsNotSaved(const SaveFailure& failure);
UserMessage OptionsNotSaved(const SaveFailure& failure);
UserMessage SendersNotSaved(const SaveFailure& failure);

// The keyword file could not be read cleanly; its bytes were kept under
// another name before the first save replaced it.
UserMessage UnreadableKeywordFileKept(const std::u16string& path, const std::u16string& kept_as);

// At start, the keyword file exists but cannot be read.
UserMessage KeywordFileUnreadableAtStart(const std::u16string& path, std::uint32_t error,
                                         const std::u16string& system_text);
extern const char16_t kChoiceRetry[];
extern const char16_t kChoiceContinue[];

// At start, the keyword file was missing and a save cut short had left the
// list in another file.
UserMessage KeywordsRecovered(const std::u16string& path, const std::u16string& recovered_from,
                              bool saved);

// At close, when the last save of the keywords failed.
UserMessage UnsavedKeywordsAtClose(const SaveFailure& failure);
extern const char16_t kChoiceSaveAgain[];
extern const char16_t kChoiceCloseWithoutSaving[];
extern const char16_t kChoiceDoNotClose[];

// A file dropped on the mail pane that it does not show: of a kind it does
// not read, one that could not be read, one too large to read.
UserMessage MailFileOfUnknownKind(const std::u16string& path);
UserMessage MailFileNotRead(const std::u16string& path, std::uint32_t error,
                            const std::u16string& system_text);
UserMessage MailFileTooLarge(const std::u16string& path, std::size_t limit_bytes);
// An Outlook item whose body is kept only in a form that could not be read.
UserMessage OutlookBodyNotRead(const std::u16string& name);

// Keyword lists written to and read from files of the user's choosing: the
// file dialogs, and what is told after.
FileQuestion ExportKeywordsQuestion();
FileQuestion ImportKeywordsQuestion();
UserMessage KeywordsExported(const std::u16string& path, int count);
UserMessage KeywordsNotExported(const SaveFailure& failure);
UserMessage KeywordSourceNotRead(const std::u16string& path, std::uint32_t error,
                                 const std::u16string& system_text);
UserMessage KeywordSourceTooLarge(const std::u16string& path, std::size_t limit_bytes);
// The file holds no text the program reads (another code page, binary data).
UserMessage KeywordSourceNotText(const std::u16string& path);
// `added` keywords joined the list; `skipped` of the files' keywords were in
// it already (or twice in the files).
UserMessage KeywordsImported(const std::vector<std::u16string>& paths, int added, int skipped);

// Asked before a sender row is added to the user's sender file.
UserMessage ConfirmSenderRegistration(const std::u16string& sender, const std::u16string& page);
// A sender row was added to the user's sender file; how to take it back.
UserMessage SenderRegistered(const std::u16string& sender, const std::u16string& page,
                             const std::u16string& path);
// The first lines of a new sender file (each becomes a comment line).
extern const char16_t kSenderFileHeader[];

UserMessage About(const std::u16string& version, const std::u16string& folder);

// The mail pane: the hint it draws while it holds no mail, and the entries
// of its right-click menu. A tab separates an entry from its key.
extern const char16_t kHintMailPane[];
extern const char16_t kMenuPaste[];
extern const char16_t kMenuPanePasteWithLinks[];
extern const char16_t kMenuPaneCopyLines[];
extern const char16_t kMenuSelectAll[];
extern const char16_t kMenuClearSelection[];

// The system menu's option for sender pages.
extern const char16_t kMenuDefaultBrowser[];

// Moving through what a search found, and opening the address box's address.
extern const char16_t kMenuNextHit[];
extern const char16_t kMenuPreviousHit[];
extern const char16_t kMenuOpenAddress[];
// The window's title, and with the count of lines the last search found.
extern const char16_t kWindowTitle[];
std::u16string TitleWithHits(std::size_t lines);
// What the keyword list draws for an empty keyword (whose text stays empty)
// and beside a keyword listed before.
extern const char16_t kEmptyKeyword[];
extern const char16_t kRepeatedKeyword[];
UserMessage AddressNotWeb(const std::u16string& address);
UserMessage AddressNotValid(const std::u16string& address);
UserMessage BrowserNotStarted(const std::u16string& address);

}  // namespace vorenta::texts
