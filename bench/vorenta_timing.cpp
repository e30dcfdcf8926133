// Times the real Vorenta.exe as a user meets it: from the key or click to
// the moment the pane shows the result, for mails of growing size, and the
// program's memory at its peak. Prints a table; nothing here is a test.
//
//   vorenta_timing --vorenta=PATH [--lines=1000,10000,40000,200000] [--runs=3]
//                  [--no-fuzzy]
//   vorenta_timing --vorenta=PATH --save=1000 [--runs=N]   a keyword added
//                                                          to a list of 1000
//   vorenta_timing --vorenta=PATH --html=40000 [--runs=N]  the same mail as
//       text pasted with Enter and as HTML (its links behind the text) with
//       Ctrl+V
//   vorenta_timing --vorenta=PATH --eml=10 [--runs=N]  a mail file of about
//       10 MB (base64 HTML and attached pictures) copied in Explorer and
//       pasted with Ctrl+V
//
// A newsletter-like mail in which a third of the lines hold one of 20
// keywords; the searches use those 20 keywords, or them and 480 others that
// occur nowhere, with the fuzzy search off or on (some lines hold the
// keywords in half-width form, which only the fuzzy search finds).

#include <windows.h>
// After windows.h, which they build on.
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "clipboard_text.h"
#include "core/keyword_matcher.h"
#include "core/mail_text.h"
#include "file_bytes.h"
#include "gestures.h"
#include "mail/mail_file.h"
#include "program_paths.h"
#include "real_input.h"
#include "support/html_format.h"
#include "text_convert.h"
#include "vorenta_session.h"

namespace {

using namespace vorenta_e2e;
using Clock = std::chrono::steady_clock;

const std::vector<std::u16string> kHitKeywords = {
    u"セール", u"送料無料",     u"限定",   u"ポイント",   u"新着", u"入荷",        u"予約",
    u"再販",   u"特価",         u"半額",   u"クーポン",   u"会員", u"先行",        u"在庫",
    u"福袋",   u"アウトレット", u"訳あり", u"まとめ買い", u"早割", u"タイムセール"};
const std::vector<std::u16string> kHalfWidthForms = {u"ｾｰﾙ", u"ﾎﾟｲﾝﾄ", u"ｸｰﾎﾟﾝ"};

std::u16string Number(int n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string MakeMail(int lines) {
  std::u16string mail;
  mail.reserve(static_cast<size_t>(lines) * 48);
  for (int i = 0; i < lines; ++i) {
    if (i % 3 == 0) {
      mail += u"■ 今週の" + kHitKeywords[static_cast<size_t>(i / 3) % kHitKeywords.size()] +
              u"のお知らせ 商品番号 " + Number(i);
    } else if (i % 7 == 1) {
      mail += u"▼ " + kHalfWidthForms[static_cast<size_t>(i) % kHalfWidthForms.size()] +
              u" 対象外のご案内 " + Number(i);
    } else if (i % 3 == 1) {
      mail += u"詳しくは http://www.example.jp/item/" + Number(i) + u"?ref=mail をご覧ください";
    } else {
      mail += u"いつも青葉ショップをご利用いただき、ありがとうございます。";
    }
    mail += u"\r\n";
  }
  return mail;
}

std::vector<std::u16string> Keywords(int count) {
  std::vector<std::u16string> keywords = kHitKeywords;
  for (int i = static_cast<int>(keywords.size()); i < count; ++i) {
    keywords.push_back(u"品番Z" + Number(100000 + i));
  }
  return keywords;
}

std::string KeywordFile(const std::vector<std::u16string>& keywords) {
  std::string bytes;
  for (const auto& keyword : keywords) {
    const std::wstring wide = Wide(keyword);
    const int size = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string line(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), line.data(), size,
                        nullptr, nullptr);
    bytes += line + "\r\n";
  }
  return bytes;
}

int ExpectedHits(const std::u16string& mail, const std::vector<std::u16string>& keywords,
                 bool fold) {
  const vorenta::KeywordMatcher matcher(keywords, fold);
  vorenta::MailLineReader reader(mail);
  std::u16string_view line;
  int hits = 0;
  while (reader.Next(line)) hits += matcher.AnyIn(line) ? 1 : 0;
  return hits;
}

LRESULT Ask(HWND window, UINT message, WPARAM w = 0, LPARAM l = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, w, l, SMTO_NORMAL, 120000, &result)) return -1;
  return static_cast<LRESULT>(result);
}

// Enter down and up, nothing else: the helpers of the tests wait after
// their input, which must not be timed.
void SendEnter() {
  INPUT inputs[2] = {};
  for (int i = 0; i < 2; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = VK_RETURN;
    inputs[i].ki.wScan = static_cast<WORD>(MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC));
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

// Ctrl+V down and up.
void SendCtrlV() {
  INPUT inputs[4] = {};
  const WORD keys[4] = {VK_CONTROL, 'V', 'V', VK_CONTROL};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i];
    inputs[i].ki.wScan = static_cast<WORD>(MapVirtualKeyW(keys[i], MAPVK_VK_TO_VSC));
    if (i >= 2) inputs[i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(4, inputs, sizeof(INPUT));
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Polls every millisecond (each poll waits for the busy program to answer);
// -1 on a timeout.
template <typename Done>
double TimeUntil(Clock::time_point start, Done done) {
  while (!done()) {
    if (MillisecondsSince(start) > 120000) return -1;
    Sleep(1);
  }
  return MillisecondsSince(start);
}

// A click low in the pane gives it the focus; it may copy a line's address,
// so a mail goes on the clipboard only after it.
void FocusPane(HWND pane) {
  RECT client{};
  GetClientRect(pane, &client);
  Click(ClientToScreenPoint(pane, client.right / 2, client.bottom - 12));
}

// An empty paste, so that the timed one starts from an empty pane.
bool EmptyPane(HWND pane) {
  if (!SetClipboardText(u"")) return false;
  SendEnter();
  return TimeUntil(Clock::now(), [&] { return Ask(pane, LB_GETCOUNT) == 0; }) >= 0;
}

bool FocusAndEmpty(HWND pane) {
  FocusPane(pane);
  return EmptyPane(pane);
}

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Memory {
  size_t working_set = 0, peak_working_set = 0;
};

Memory MemoryOf(DWORD process_id) {
  Memory memory;
  const HANDLE process =
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id);
  if (!process) return memory;
  PROCESS_MEMORY_COUNTERS counters{};
  if (GetProcessMemoryInfo(process, &counters, sizeof counters)) {
    memory.working_set = counters.WorkingSetSize;
    memory.peak_working_set = counters.PeakWorkingSetSize;
  }
  CloseHandle(process);
  return memory;
}

struct Setting {
  int keywords;
  bool fold;
};

struct Timing {
  double paste = -1;
  double search = -1;
  Memory idle, peak;
};

// One run of the program: pastes the mail `runs` times, and after each
// paste times one search.
Timing Measure(const std::u16string& mail, int lines, Setting setting, int runs) {
  const std::vector<std::u16string> keywords = Keywords(setting.keywords);
  SessionOptions options;
  options.keyword_file_bytes = KeywordFile(keywords);
  if (setting.fold) options.files.push_back({L"Vorenta.ini", "FuzzySearch=1\r\n"});
  VorentaSession vorenta(options);
  const HWND pane = vorenta.control(kMailPane);
  const int expected = ExpectedHits(mail, keywords, setting.fold);
  PumpFor(std::chrono::milliseconds(500));
  Timing timing;
  timing.idle = MemoryOf(vorenta.process_id());

  std::vector<double> pastes, searches;
  for (int run = 0; run < runs; ++run) {
    if (!vorenta.BringToFront()) break;
    if (!FocusAndEmpty(pane)) break;
    if (!SetClipboardText(mail)) break;
    PumpFor(std::chrono::milliseconds(200));
    auto start = Clock::now();
    SendEnter();
    pastes.push_back(TimeUntil(
        start, [&] { return Ask(pane, LB_GETCOUNT) == lines + 1 && IsWindowVisible(pane); }));
    std::fprintf(stderr, "  paste %d lines: %.0f ms\n", lines, pastes.back());
    MoveMouse(CenterOf(vorenta.control(kSearchButton)));
    PumpFor(std::chrono::milliseconds(200));
    start = Clock::now();
    ButtonDown(MouseButton::kLeft);
    ButtonUp(MouseButton::kLeft);
    searches.push_back(TimeUntil(
        start, [&] { return Ask(pane, LB_GETSELCOUNT) >= expected && IsWindowVisible(pane); }));
    std::fprintf(stderr, "  search (%d keywords%s, %d hits, %ld selected): %.0f ms\n",
                 setting.keywords, setting.fold ? ", fuzzy" : "", expected,
                 static_cast<long>(Ask(pane, LB_GETSELCOUNT)), searches.back());
  }
  timing.paste = Median(pastes);
  timing.search = Median(searches);
  timing.peak = MemoryOf(vorenta.process_id());
  return timing;
}

// Enter in the keyword box until the list holds the new keyword: the list
// answers only once the handler, the save of the keyword file included, is
// done.
double MeasureSaveAfterEdit(int keyword_count, int runs) {
  const std::vector<std::u16string> keywords = Keywords(keyword_count);
  SessionOptions options;
  options.keyword_file_bytes = KeywordFile(keywords);
  VorentaSession vorenta(options);
  const HWND list = vorenta.control(kKeywordList);
  if (!vorenta.BringToFront()) return -1;
  ToggleKeywordPanel(vorenta.window());
  if (!WaitUntil([&] { return IsWindowVisible(list) != FALSE; })) return -1;
  Click(CenterOf(vorenta.control(kKeywordBox)));
  TypeText(u"新着");
  PumpFor(std::chrono::milliseconds(300));
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const LRESULT before = Ask(list, LB_GETCOUNT);
    const auto start = Clock::now();
    SendEnter();
    times.push_back(TimeUntil(start, [&] { return Ask(list, LB_GETCOUNT) == before + 1; }));
    PumpFor(std::chrono::milliseconds(100));
  }
  return Median(times);
}

// A newsletter of as many lines as MakeMail's, as HTML: one block a line,
// every third one's address behind the text 「詳しくはこちら」.
std::string MakeHtmlFragment(int lines) {
  std::string html;
  html.reserve(static_cast<size_t>(lines) * 110);
  for (int i = 0; i < lines; ++i) {
    const std::string number = std::to_string(i);
    if (i % 3 == 1) {
      html += "<div><a href=\"http://www.example.jp/item/" + number +
              "?ref=mail\">\xE8\xA9\xB3\xE3\x81\x97\xE3\x81\x8F\xE3\x81\xAF\xE3\x81\x93"
              "\xE3\x81\xA1\xE3\x82\x89</a> " +
              number + "</div>\r\n";
    } else {
      html += "<div>\xE2\x96\xA0 \xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB " + number + "</div>\r\n";
    }
  }
  return html;
}

int LineCount(const std::u16string& text) {
  int count = 0;
  vorenta::MailLineReader reader(text);
  std::u16string_view line;
  while (reader.Next(line)) ++count;
  return count;
}

struct PasteTimes {
  double text = -1, html = -1;
};

// The same newsletter pasted as text with Enter, then as HTML with Ctrl+V,
// each into an empty pane.
PasteTimes MeasureHtmlPaste(int lines, int runs) {
  const std::u16string text = MakeMail(lines);
  const std::string html = vorenta::HtmlFormatOf(MakeHtmlFragment(lines));
  const int text_lines = LineCount(text);
  const int html_lines = LineCount(vorenta::TextOfHtmlFormat(html).value_or(u""));
  VorentaSession vorenta;
  const HWND pane = vorenta.control(kMailPane);
  std::vector<double> text_times, html_times;
  for (int run = 0; run < runs; ++run) {
    if (!vorenta.BringToFront()) break;
    FocusPane(pane);
    for (const bool as_html : {false, true}) {
      if (!EmptyPane(pane)) return {};
      if (!SetClipboardTextAndHtml(text, html)) return {};
      PumpFor(std::chrono::milliseconds(200));
      const int expected = as_html ? html_lines : text_lines;
      const auto start = Clock::now();
      if (as_html) {
        SendCtrlV();
      } else {
        SendEnter();
      }
      const double ms = TimeUntil(
          start, [&] { return Ask(pane, LB_GETCOUNT) == expected && IsWindowVisible(pane); });
      (as_html ? html_times : text_times).push_back(ms);
      std::fprintf(stderr, "  %s paste, %d lines: %.0f ms\n", as_html ? "HTML" : "text", expected,
                   ms);
    }
  }
  return {Median(text_times), Median(html_times)};
}

// A newsletter as a mail file: its HTML in base64 and pictures attached,
// about `megabytes` in all.
std::string MakeEml(int megabytes) {
  static const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  const auto base64 = [](const std::string& bytes) {
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
      const unsigned a = static_cast<unsigned char>(bytes[i]);
      const unsigned b = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
      const unsigned c = i + 2 < bytes.size() ? static_cast<unsigned char>(bytes[i + 2]) : 0;
      out += kBase64[a >> 2];
      out += kBase64[((a & 3) << 4) | (b >> 4)];
      out += i + 1 < bytes.size() ? kBase64[((b & 15) << 2) | (c >> 6)] : '=';
      out += i + 2 < bytes.size() ? kBase64[c & 63] : '=';
      if (out.size() % 78 == 76) out += "\r\n";
    }
    return out + "\r\n";
  };
  std::string html = "<html><body>" + MakeHtmlFragment(4000) + "</body></html>";
  std::string eml =
      "From: news@shop-aoba.example.jp\r\nSubject: sale\r\nMIME-Version: 1.0\r\n"
      "Content-Type: multipart/mixed; boundary=\"m\"\r\n\r\n--m\r\n"
      "Content-Type: text/html; charset=utf-8\r\nContent-Transfer-Encoding: base64\r\n\r\n" +
      base64(html);
  std::string picture(256 * 1024, '\0');
  for (size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<char>(i * 2654435761u >> 13);
  for (int i = 0; eml.size() < static_cast<size_t>(megabytes) << 20; ++i) {
    eml += "--m\r\nContent-Type: image/jpeg\r\nContent-Disposition: attachment; filename=\"p" +
           std::to_string(i) + ".jpg\"\r\nContent-Transfer-Encoding: base64\r\n\r\n" +
           base64(picture);
  }
  return eml + "--m--\r\n";
}

// Ctrl+V of the mail file copied in Explorer, to the mail shown.
double MeasureEmlPaste(int megabytes, int runs, size_t& eml_bytes) {
  const std::string eml = MakeEml(megabytes);
  eml_bytes = eml.size();
  const auto codec = vorenta::MakeCodePage932Codec();
  const int lines =
      LineCount(vorenta::MailTextOfFile(vorenta::MailFileKind::kMimeMail, eml, *codec).text);
  VorentaSession vorenta;
  const std::wstring path = vorenta.PathOf(L"newsletter.eml");
  if (!WriteFileBytes(path, eml)) return -1;
  const HWND pane = vorenta.control(kMailPane);
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    if (!vorenta.BringToFront()) break;
    if (!FocusAndEmpty(pane)) break;
    if (!SetClipboardFiles({path})) break;
    PumpFor(std::chrono::milliseconds(200));
    const auto start = Clock::now();
    SendCtrlV();
    times.push_back(TimeUntil(start, [&] { return Ask(pane, LB_GETCOUNT) == lines; }));
    std::fprintf(stderr, "  mail file of %zu bytes, %d lines: %.0f ms\n", eml.size(), lines,
                 times.back());
  }
  return Median(times);
}

std::vector<int> ParseLines(const std::wstring& text) {
  std::vector<int> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t comma = text.find(L',', start);
    if (comma == std::wstring::npos) comma = text.size();
    lines.push_back(std::stoi(text.substr(start, comma - start)));
    start = comma + 1;
  }
  return lines;
}

}  // namespace

int main() {
  setvbuf(stdout, nullptr, _IONBF, 0);
  std::vector<int> sizes = {1000, 10000, 40000, 200000};
  int runs = 3;
  int save_keywords = 0;
  std::vector<int> html_sizes;
  int eml_megabytes = 0;
  bool fuzzy = true;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg.rfind(L"--vorenta=", 0) == 0) Programs().vorenta_exe = WindowsPath(arg.substr(10));
    if (arg.rfind(L"--lines=", 0) == 0) sizes = ParseLines(arg.substr(8));
    if (arg.rfind(L"--runs=", 0) == 0) runs = std::stoi(arg.substr(7));
    if (arg.rfind(L"--save=", 0) == 0) save_keywords = std::stoi(arg.substr(7));
    if (arg.rfind(L"--html=", 0) == 0) html_sizes = ParseLines(arg.substr(7));
    if (arg.rfind(L"--eml=", 0) == 0) eml_megabytes = std::stoi(arg.substr(6));
    // For a program without the fuzzy search.
    if (arg == L"--no-fuzzy") fuzzy = false;
  }
  LocalFree(argv);
  if (Programs().vorenta_exe.empty()) {
    std::fprintf(stderr, "usage: vorenta_timing --vorenta=PATH [--lines=N,...] [--runs=N]\n");
    return 2;
  }
  if (eml_megabytes > 0) {
    size_t bytes = 0;
    const double ms = MeasureEmlPaste(eml_megabytes, runs, bytes);
    std::printf("Ctrl+V of a %zu-byte mail file to the mail shown: %.0f ms (median of %d)\n", bytes,
                ms, runs);
    return 0;
  }
  if (!html_sizes.empty()) {
    std::printf("| lines | Enter, text ms | Ctrl+V, HTML ms | ratio |\n|---:|---:|---:|---:|\n");
    for (int lines : html_sizes) {
      const PasteTimes times = MeasureHtmlPaste(lines, runs);
      std::printf("| %d | %.0f | %.0f | %.2f |\n", lines, times.text, times.html,
                  times.text > 0 ? times.html / times.text : 0.0);
    }
    return 0;
  }
  if (save_keywords > 0) {
    std::printf(
        "Enter in the keyword box to the keyword saved, %d keywords: %.1f ms (median of %d)\n",
        save_keywords, MeasureSaveAfterEdit(save_keywords, runs), runs);
    return 0;
  }
  std::printf(
      "| lines | paste ms | search 20 kw ms | search 500 kw ms | search 20 kw fuzzy ms |"
      " idle MB | peak MB | (peak - idle) / mail |\n");
  std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|\n");
  for (int lines : sizes) {
    const std::u16string mail = MakeMail(lines);
    try {
      const Timing exact = Measure(mail, lines, {20, false}, runs);
      const Timing many = Measure(mail, lines, {500, false}, runs);
      const Timing folded = fuzzy ? Measure(mail, lines, {20, true}, runs) : Timing{};
      const double mail_bytes = static_cast<double>(mail.size() * sizeof(char16_t));
      const double extra = static_cast<double>(exact.peak.peak_working_set) -
                           static_cast<double>(exact.idle.working_set);
      std::printf("| %d | %.0f | %.0f | %.0f | %.0f | %.1f | %.1f | %.2f |\n", lines, exact.paste,
                  exact.search, many.search, folded.search, exact.idle.working_set / 1048576.0,
                  exact.peak.peak_working_set / 1048576.0, extra / mail_bytes);
      std::fflush(stdout);
    } catch (const std::exception& e) {
      std::printf("| %d | failed: %s |\n", lines, e.what());
    }
  }
  return 0;
}
