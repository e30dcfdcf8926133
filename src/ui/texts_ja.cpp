// The program's words, in Japanese.

#include "ui/texts.h"

#include "settings/options_file.h"
#include "settings/sender_file.h"
#include "settings/settings_store.h"

namespace vorenta::texts {

namespace {

std::u16string Number(std::uint64_t value) {
  std::u16string number;
  for (char c : std::to_string(value)) number += static_cast<char16_t>(c);
  return number;
}

}  // namespace

const char16_t kMessageTitle[] = u"Vorenta";

const char16_t kMenuTogglePanel[] = u"キーワード一覧の表示/非表示(&K)\tShift+F10";
const char16_t kMenuRemoveKeyword[] = u"選んだキーワードを削除(&D)\tDelete";
const char16_t kMenuExportKeywords[] = u"キーワードを書き出す(&E)...";
const char16_t kMenuImportKeywords[] = u"キーワードを読み込む(&I)...";
const char16_t kMenuCopyLines[] = u"選んだ行をコピー(&L)\tCtrl+C";
const char16_t kMenuPasteWithLinks[] = u"リンク先付きで貼り付け(&H)\tCtrl+V";
const char16_t kMenuOpenSenderPage[] = u"差出人の新着ページを開く(&O)\tShift+右クリック";
const char16_t kMenuRegisterSender[] = u"この差出人を登録(&G)...";
const char16_t kMenuFuzzySearch[] =
    u"あいまい検索（全角/半角・ひらがな/カタカナ・大文字/小文字を区別しない）(&F)";
const char16_t kMenuAlwaysOnTop[] = u"常に手前に表示(&T)";
const char16_t kMenuRememberPlacement[] = u"位置とサイズを記憶(&P)";
const char16_t kMenuHtmlLinks[] = u"HTML メールのリンク先も表示する(&W)";
const char16_t kMenuAbout[] = u"バージョン情報(&V)...";

const char16_t kNameMailPane[] = u"メール";
const char16_t kNameKeywordList[] = u"キーワード一覧";
const char16_t kNameUrlBox[] = u"URL";
const char16_t kNameKeywordBox[] = u"キーワード入力";
// The box is narrow: the hint must fit it whole at every DPI.
const char16_t kCueKeywordBox[] = u"Enter で追加";
const char16_t kCueUrlBox[] = u"行をクリックすると URL がここに入ります";

std::u16string FailureReason(std::uint32_t error, const std::u16string& system_text) {
  if (error == kErrorIsFolder) return u"同じ名前のフォルダーがあるため、ファイルを作れません。";
  if (!system_text.empty()) return system_text;
  return u"エラー番号 " + Number(error);
}

const char16_t kChoiceSaveAgain[] = u"もう一度保存する";
const char16_t kChoiceCloseWithoutSaving[] = u"保存せずに閉じる";
const char16_t kChoiceDoNotClose[] = u"閉じない";
const char16_t kChoiceRetry[] = u"再試行";
const char16_t kChoiceContinue[] = u"このまま続ける";

namespace {

bool HeldByAnotherProgram(std::uint32_t error) {
  return error == kErrorSharingViolation || error == kErrorLockViolation;
}

bool DiskFull(std::uint32_t error) {
  return error == kErrorDiskFull || error == kErrorHandleDiskFull;
}

std::u16string FileAndReason(const std::u16string& path, const std::u16string& reason) {
  return u"ファイル: " + path + u"\n理由: " + reason;
}

std::u16string Details(const SaveFailure& failure) {
  return FileAndReason(failure.path, FailureReason(failure.error, failure.system_text));
}

UserMessage SaveFailed(const std::u16string& heading, const SaveFailure& failure,
                       const std::u16string& after_reason) {
  return {heading, Details(failure) + after_reason + u"\n\n" + SaveAdvice(failure.error),
          /*warning=*/true};
}

}  // namespace

std::u16string SaveAdvice(std::uint32_t error) {
  if (HeldByAnotherProgram(error)) {
    return u"ほかのプログラム（エディターや、同期・バックアップのソフトなど）が"
           u"このファイルを開いています。そのプログラムを閉じてから、もう一度操作してください。";
  }
  if (DiskFull(error)) {
    return u"ディスクの空きが足りません。不要なファイルを削除して空きを作ってから、"
           u"もう一度操作してください。";
  }
  // Broken by hand where the phrases end: a narrow message box would break
  // inside them.
  return u"Vorenta のフォルダーを中のファイルごと、\n"
         u"「ドキュメント」の中などの\n"
         u"書き込みのできるフォルダーに移してから、\n"
         u"起動し直してください。";
}

UserMessage KeywordsNotSaved(const SaveFailure& failure) {
  return SaveFailed(u"キーワードを保存できませんでした。", failure,
                    u"\n\n画面のキーワード一覧はそのまま残っています。");
}

UserMessage OptionsNotSaved(const SaveFailure& failure) {
  return SaveFailed(u"設定を保存できませんでした。", failure,
                    u"\n\n変えた設定は、次に起動すると元に戻ります。");
}

UserMessage SendersNotSaved(const SaveFailure& failure) {
  return SaveFailed(u"差出人を登録できませんでした。", failure, u"");
}

UserMessage UnreadableKeywordFileKept(const std::u16string& path, const std::u16string& kept_as) {
  return {u"キーワードのファイルの控えを残しました。",
          u"起動したときに読み取れなかった（または文字化けしていた）ファイルを、"
          u"上書きする前にコピーしました。\n\n元のファイル: " +
              path + u"\n残したファイル: " + kept_as +
              u"\n\nそのキーワードを戻すには、残したファイルをメモ帳で開き、"
              u"必要なキーワードをキーワード一覧に入力し直してください。",
          /*warning=*/true};
}

UserMessage KeywordFileUnreadableAtStart(const std::u16string& path, std::uint32_t error,
                                         const std::u16string& system_text) {
  const std::u16string cause =
      HeldByAnotherProgram(error)
          ? u"ほかのプログラム（エディターや、同期・バックアップのソフトなど）が"
            u"このファイルを開いています。そのプログラムを閉じてから［再試行］を押してください。"
          : u"ファイルを読み取る権限がないか、ファイルが壊れている可能性があります。";
  return {u"キーワードのファイルを読み取れません。",
          FileAndReason(path, FailureReason(error, system_text)) + u"\n\n" + cause +
              u"\n\n［このまま続ける］と、キーワード一覧は空で始まります。"
              u"このファイルは、キーワードを追加・削除したときに別の名前でコピーしてから"
              u"置き換えます。",
          /*warning=*/true};
}

UserMessage KeywordsRecovered(const std::u16string& path, const std::u16string& recovered_from,
                              bool saved) {
  return {u"前回の保存が途中で終わっていたため、残っていたファイルからキーワードを戻しました。",
          u"戻したファイル: " + recovered_from + u"\n" +
              (saved ? u"保存先: " + path
                     : u"まだ " + path +
                           u" には保存できていません。次にキーワードを"
                           u"追加・削除したときに保存します。"),
          /*warning=*/false};
}

UserMessage UnsavedKeywordsAtClose(const SaveFailure& failure) {
  return {u"キーワードを保存できていません。",
          Details(failure) + u"\n\n保存せずに閉じると、今回の追加・削除は失われます。" +
              // Saving again helps only once the cause is gone.
              (HeldByAnotherProgram(failure.error) || DiskFull(failure.error)
                   ? u"\n\n" + SaveAdvice(failure.error)
                   : std::u16string()),
          /*warning=*/true};
}

namespace {

const char16_t kReadableMailFiles[] =
    u"メールの欄に表示できるのは、メール（.eml .msg）、テキスト（.txt）、HTML（.htm .html）の"
    u"ファイルと、メールソフトからドラッグしたメールです。";

}  // namespace

UserMessage MailFileOfUnknownKind(const std::u16string& path) {
  return {u"このファイルは表示できません。", u"ファイル: " + path + u"\n\n" + kReadableMailFiles,
          /*warning=*/true};
}

UserMessage MailFileNotRead(const std::u16string& path, std::uint32_t error,
                            const std::u16string& system_text) {
  // A message a mail program did not hand over has no system reason.
  std::u16string details =
      FileAndReason(path, error == 0 ? u"メールソフトから内容を受け取れませんでした。"
                                     : FailureReason(error, system_text));
  if (HeldByAnotherProgram(error)) {
    details +=
        u"\n\nほかのプログラムがこのファイルを開いています。"
        u"そのプログラムを閉じてから、もう一度ドロップしてください。";
  }
  return {u"ファイルを読み込めませんでした。", details + u"\n\n" + kReadableMailFiles,
          /*warning=*/true};
}

UserMessage MailFileTooLarge(const std::u16string& path, std::size_t limit_bytes) {
  return {u"ファイルが大きすぎるため、表示できません。",
          u"ファイル: " + path + u"\n\n表示できるのは " + Number(limit_bytes >> 20) +
              u" MB までのファイルです。",
          /*warning=*/true};
}

namespace {

const char16_t kKeywordSources[] =
    u"読み込めるのは、1 行に 1 つずつキーワードを書いたテキスト ファイル"
    u"（UTF-8、UTF-16、Shift_JIS）と、Vorenta で書き出したファイル、"
    u"Vorenta のキーワードのファイル（SMdata1.dat）です。";

}  // namespace

FileQuestion ExportKeywordsQuestion() {
  return {u"キーワードを書き出す",
          u"キーワード.txt",
          {{u"テキスト ファイル (*.txt)", u"*.txt"}, {u"すべてのファイル (*.*)", u"*.*"}}};
}

FileQuestion ImportKeywordsQuestion() {
  return {u"キーワードを読み込む",
          u"",
          {{u"テキスト ファイル (*.txt)", u"*.txt"},
           {u"Vorenta のキーワードのファイル (SMdata1.dat)", u"SMdata1.dat"},
           {u"すべてのファイル (*.*)", u"*.*"}}};
}

UserMessage KeywordsExported(const std::u16string& path, int count) {
  return {u"キーワードを " + Number(static_cast<std::size_t>(count)) + u" 件書き出しました。",
          u"ファイル: " + path +
              u"\n\nほかのパソコンの Vorenta では、システム メニューの"
              u"「キーワードを読み込む」で、このファイルを読み込めます。"};
}

UserMessage KeywordsNotExported(const SaveFailure& failure) {
  // The user chose the folder: another one helps, moving Vorenta does not.
  const bool other_cause = !HeldByAnotherProgram(failure.error) && !DiskFull(failure.error);
  return {u"キーワードを書き出せませんでした。",
          Details(failure) + u"\n\n" +
              (other_cause ? u"書き込みのできる別のフォルダー（「ドキュメント」など）を選んで、"
                             u"もう一度書き出してください。"
                           : SaveAdvice(failure.error)),
          /*warning=*/true};
}

UserMessage KeywordSourceNotRead(const std::u16string& path, std::uint32_t error,
                                 const std::u16string& system_text) {
  std::u16string details = FileAndReason(path, FailureReason(error, system_text));
  if (HeldByAnotherProgram(error)) {
    details +=
        u"\n\nほかのプログラムがこのファイルを開いています。"
        u"そのプログラムを閉じてから、もう一度読み込んでください。";
  }
  return {u"キーワードを読み込めませんでした。",
          details + u"\n\nキーワード一覧は変わっていません。", /*warning=*/true};
}

UserMessage KeywordSourceTooLarge(const std::u16string& path, std::size_t limit_bytes) {
  return {u"ファイルが大きすぎるため、キーワードを読み込めませんでした。",
          u"ファイル: " + path + u"\n\n読み込めるのは " + Number(limit_bytes >> 20) +
              u" MB までのファイルです。キーワード一覧は変わっていません。",
          /*warning=*/true};
}

UserMessage KeywordSourceNotText(const std::u16string& path) {
  return {u"このファイルからはキーワードを読み込めません。",
          u"ファイル: " + path + u"\n\nテキストではないか、読み取れない文字コードのファイルです。" +
              kKeywordSources + u"\n\nキーワード一覧は変わっていません。",
          /*warning=*/true};
}

UserMessage KeywordsImported(const std::vector<std::u16string>& paths, int added, int skipped) {
  std::u16string details = paths.size() == 1 ? u"ファイル: " + paths.front() : u"ファイル:";
  if (paths.size() > 1) {
    for (const std::u16string& path : paths) details += u"\n" + path;
  }
  if (added == 0 && skipped == 0) {
    return {u"ファイルにキーワードがありませんでした。", details + u"\n\n" + kKeywordSources};
  }
  if (added == 0) {
    return {u"新しいキーワードはありませんでした。",
            details + u"\n\nファイルのキーワードは、すべてキーワード一覧にあります。"};
  }
  if (skipped > 0) {
    details += u"\n\nキーワード一覧にすでにあるか、ファイルの中で重なっていた " +
               Number(static_cast<std::size_t>(skipped)) + u" 件は、追加していません。";
  }
  return {u"キーワードを " + Number(static_cast<std::size_t>(added)) + u" 件追加しました。",
          details};
}

UserMessage ConfirmSenderRegistration(const std::u16string& sender, const std::u16string& page) {
  return {u"この差出人を登録しますか？",
          u"差出人: " + sender + u"\n新着ページ: " + page +
              u"\n\n登録すると、［検索］の Shift+右クリックで\nこのページが開くようになります。"};
}

UserMessage OutlookBodyNotRead(const std::u16string& name) {
  return {u"メールの本文を読み取れませんでした。",
          u"メール: " + name +
              u"\n\n差出人・件名・日付だけを表示しています。本文は Outlook で開いて"
              u"コピーし、Ctrl+V で貼り付けてください。",
          /*warning=*/true};
}

UserMessage SenderRegistered(const std::u16string& sender, const std::u16string& page,
                             const std::u16string& path) {
  return {u"差出人を登録しました。",
          u"差出人: " + sender + u"\n新着ページ: " + page + u"\n\n登録先: " + path +
              u"\n\n取り消すには、このファイルをメモ帳で開いて\n「" + sender +
              u"」で始まる行を消し、\n保存してから Vorenta を起動し直してください。"};
}

// Each line becomes a comment line of the file: it must read well after "# ".
const char16_t kSenderFileHeader[] =
    u"Vorenta に登録した差出人の一覧です。\n"
    u"1 行に 1 件、差出人、タブ、新着ページのアドレスの順に書きます。\n"
    u"差出人は、メールの 1 行目の 7 文字目から行の終わりまでです"
    u"（大文字と小文字は区別します）。\n"
    u"アドレスは http:// か https:// で始まり、空白や \" を含まないものだけが使われます。\n"
    u"この説明のように先頭が # の行と、空の行は読み飛ばします。";

UserMessage About(const std::u16string& version, const std::u16string& folder) {
  const std::u16string files[][2] = {
      {kKeywordFileName, u"キーワード"},
      {kGeometryFileName, u"ウィンドウの位置とサイズ"},
      {kOptionsFileName, u"メニューで変えた設定"},
      {kSenderFileName, u"登録した差出人"},
  };
  std::u16string list;
  for (const auto& [name, what] : files) list += u"\n" + name + u"（" + what + u"）";
  return {u"Vorenta バージョン " + version,
          u"次のファイルを、このフォルダーに保存します。\n" + folder + u"\n" + list};
}

const char16_t kHintMailPane[] =
    u"メールをコピーしてから、ここをクリックして Enter（または Ctrl+V）";
const char16_t kMenuPaste[] = u"貼り付け(&P)\tEnter";
const char16_t kMenuPanePasteWithLinks[] = u"リンク先付きで貼り付け(&L)\tCtrl+V";
const char16_t kMenuPaneCopyLines[] = u"選んだ行をコピー(&C)\tCtrl+C";
const char16_t kMenuSelectAll[] = u"すべて選択(&A)\tCtrl+A";
const char16_t kMenuClearSelection[] = u"選択を解除(&N)\tEsc";

const char16_t kMenuDefaultBrowser[] = u"新着ページを既定のブラウザーで開く(&B)";

const char16_t kMenuNextHit[] = u"次の見つかった行へ(&J)\tF3";
const char16_t kMenuPreviousHit[] = u"前の見つかった行へ(&Q)\tShift+F3";
const char16_t kMenuOpenAddress[] = u"アドレスをブラウザーで開く(&U)";

const char16_t kWindowTitle[] = u"Vorenta";

std::u16string TitleWithHits(std::size_t lines) {
  return std::u16string(kWindowTitle) + u" - " + Number(lines) + u" 行";
}

const char16_t kEmptyKeyword[] = u"（空のキーワード：すべての行に一致）";
const char16_t kRepeatedKeyword[] = u"（重複）";

UserMessage AddressNotWeb(const std::u16string& address) {
  return {u"このアドレスはブラウザーで開きません。",
          u"開くのは http:// か https:// で始まるアドレスだけです。\n\n" + address, true};
}

UserMessage AddressNotValid(const std::u16string& address) {
  return {u"このアドレスはブラウザーで開きません。",
          u"アドレスに使えない文字（空白や全角文字など）が含まれているか、長すぎます。\n"
          u"アドレス欄を直してから、もう一度 Enter を押してください。\n\n" +
              address,
          true};
}

UserMessage BrowserNotStarted(const std::u16string& address) {
  return {u"ブラウザーを起動できませんでした。",
          u"アドレスをコピーして、ブラウザーのアドレス欄に貼り付けてください。\n\n" + address,
          true};
}

}  // namespace vorenta::texts
