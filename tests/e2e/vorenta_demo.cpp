// Walks a running Vorenta through a short session with real input, for a
// screenshot: paste a mail, copy an address, open the keyword panel, add
// keywords, search. Prints the screen rectangle to capture as
// "window LEFT TOP WIDTH HEIGHT".
//
//   vorenta-demo --mail=PATH [--keyword=WORD ...]   run the session
//   vorenta-demo --step=STEP [--mail=PATH] [--keyword=WORD ...] [--button=LABEL]
//                (for --step=paste-html, --mail is an HTML page)
//                                                    one step of the user guide's
//                                                    pictures (see RunStep)
//   vorenta-demo --close                             close the window

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "clipboard_text.h"
#include "control_state.h"
#include "file_bytes.h"
#include "gestures.h"
#include "message_dialogs.h"
#include "program_paths.h"
#include "real_input.h"
#include "screen_pixels.h"
#include "support/html_format.h"
#include "text_convert.h"
#include "ui/system_menu.h"
#include "wait_until.h"

namespace {

using namespace vorenta_e2e;

std::u16string FromUtf8(const std::string& bytes) {
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
  return U16(wide);
}

// A mail copied from a mail program arrives with CR LF, whatever the file has.
std::u16string WithCrLf(const std::u16string& text) {
  std::u16string out;
  for (char16_t c : text) {
    if (c == u'\r') continue;
    if (c == u'\n') out += u'\r';
    out += c;
  }
  return out;
}

bool Fail(const char* what) {
  std::fprintf(stderr, "vorenta-demo: %s\n", what);
  return false;
}

// By its class: a message box of the program has the same title, and a
// search puts its count in the window's.
HWND FindVorenta() {
  HWND window = nullptr;
  WaitUntil([&] { return (window = FindWindowW(L"VorentaForm1", nullptr)) != nullptr; },
            std::chrono::seconds(30));
  return window;
}

DWORD ProcessOf(HWND window) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  return process_id;
}

HWND OpenPopupMenu() {
  HWND menu = FindWindowW(L"#32768", nullptr);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

// The screen row of the menu's last separator, or -1. Under Wine the system
// menu ends with an entry of Wine's own, below that separator: the guide
// shows Windows, so the picture stops above it.
int LastSeparatorRow(HWND menu) {
  const ScreenPixels shot = CaptureClient(menu);
  if (shot.width < 10) return -1;
  // The menu's background is the colour most of it has.
  std::map<std::uint32_t, int> colours;
  for (const std::uint32_t pixel : shot.pixels) ++colours[pixel];
  const std::uint32_t background =
      std::max_element(colours.begin(), colours.end(), [](const auto& a, const auto& b) {
        return a.second < b.second;
      })->first;
  // A line across the menu: a row of text is never this full.
  const int margin = shot.width / 10;
  const auto across = [&](int y) {
    int drawn = 0;
    for (int x = margin; x < shot.width - margin; ++x) drawn += shot.At(x, y) != background;
    return drawn * 10 >= (shot.width - 2 * margin) * 9;
  };
  int y = shot.height - 1;
  while (y >= 0 && across(y)) --y;   // a frame at the bottom, if any
  while (y >= 0 && !across(y)) --y;  // the last entry
  return y >= 0 ? ClientToScreenPoint(menu, 0, y).y : -1;
}

bool Paste(HWND window, const std::u16string& mail) {
  WaitUntil([&] {
    SetForegroundWindow(window);
    return GetForegroundWindow() == window;
  });
  HWND pane = GetDlgItem(window, kMailPane);
  if (!PasteMail(window, mail)) return Fail("cannot put the mail on the clipboard");
  if (!WaitUntil([&] {
        const auto lines = ListItems(pane);
        return !lines.empty() && mail.starts_with(lines.front());
      })) {
    return Fail("the paste showed nothing");
  }
  return true;
}

// An HTML newsletter copied from a browser: its text and its "HTML Format",
// pasted with Ctrl+V.
bool PasteHtml(HWND window, const std::string& page) {
  WaitUntil([&] {
    SetForegroundWindow(window);
    return GetForegroundWindow() == window;
  });
  HWND pane = GetDlgItem(window, kMailPane);
  if (!SetClipboardTextAndHtml(u"", vorenta::HtmlFormatOf(page))) {
    return Fail("cannot put the page on the clipboard");
  }
  Click(CenterOf(pane));
  PressKey('V', kCtrl);
  return WaitUntil([&] { return ListItems(pane).size() > 3; }) || Fail("the paste showed nothing");
}

bool CopyFirstAddress(HWND window) {
  const std::vector<std::u16string> lines = ListItems(GetDlgItem(window, kMailPane));
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    if (lines[i].find(u"http") == std::u16string::npos) continue;
    ClickMailLine(window, i);
    return WaitUntil([&] { return !ControlText(GetDlgItem(window, kAddressBox)).empty(); }) ||
           Fail("no address reached the URL box");
  }
  return Fail("no line with an address");
}

bool AddKeywords(HWND window, const std::vector<std::u16string>& keywords) {
  if (!IsWindowVisible(GetDlgItem(window, kKeywordBox))) ToggleKeywordPanel(window);
  if (!WaitUntil([&] { return IsWindowVisible(GetDlgItem(window, kKeywordBox)) != FALSE; })) {
    return Fail("the keyword panel did not open");
  }
  HWND keyword_list = GetDlgItem(window, kKeywordList);
  for (const std::u16string& keyword : keywords) {
    const std::vector<std::u16string> kept = ListItems(keyword_list);
    // Kept from an earlier run: adding it again would only double it.
    if (std::find(kept.begin(), kept.end(), keyword) != kept.end()) continue;
    const size_t before = kept.size();
    EnterKeyword(window, keyword);
    if (!WaitUntil([&] { return ListItems(keyword_list).size() > before; })) {
      return Fail("a keyword was not added");
    }
  }
  return true;
}

// One step of the user guide's pictures, on the window as the step before
// left it. `shot` is the window's rectangle, with any menu or message the
// step opened.
bool RunStep(HWND window, const std::wstring& step, const std::u16string& mail,
             const std::string& html, const std::vector<std::u16string>& keywords,
             const std::u16string& button, RECT& shot) {
  bool ok = false;
  HWND popup = nullptr;
  // A screen row the picture ends above, or -1.
  int cut_below = -1;
  if (step == L"paste") {
    ok = Paste(window, mail);
  } else if (step == L"paste-html") {
    ok = PasteHtml(window, html);
  } else if (step == L"copy-address") {
    ok = CopyFirstAddress(window);
  } else if (step == L"panel") {
    ok = AddKeywords(window, keywords);
  } else if (step == L"open-panel") {
    if (!IsWindowVisible(GetDlgItem(window, kKeywordBox))) ToggleKeywordPanel(window);
    ok = WaitUntil([&] { return IsWindowVisible(GetDlgItem(window, kKeywordBox)) != FALSE; }) ||
         Fail("the keyword panel did not open");
  } else if (step == L"search") {
    Search(window);
    ok = WaitUntil([&] { return !SelectedIndexes(GetDlgItem(window, kMailPane)).empty(); }) ||
         Fail("the search selected nothing");
  } else if (step == L"start") {
    ok = true;
  } else if (step == L"system-menu") {
    SetForegroundWindow(window);
    PressKey(VK_SPACE, kAlt);
    ok = WaitUntil([&] { return (popup = OpenPopupMenu()) != nullptr; }) ||
         Fail("the system menu did not open");
    PumpFor(std::chrono::milliseconds(500));
    cut_below = popup ? LastSeparatorRow(popup) : -1;
  } else if (step == L"pane-menu") {
    SetForegroundWindow(window);
    const HWND pane = GetDlgItem(window, kMailPane);
    RECT client{};
    GetClientRect(pane, &client);
    Click(ClientToScreenPoint(pane, client.right / 3, client.bottom / 4), MouseButton::kRight);
    ok = WaitUntil([&] { return (popup = OpenPopupMenu()) != nullptr; }) ||
         Fail("the mail pane's menu did not open");
  } else if (step == L"close-menu") {
    PressKey(VK_ESCAPE);
    ok = WaitUntil([&] { return OpenPopupMenu() == nullptr; }) || Fail("the menu stayed open");
  } else if (step == L"register") {
    PostMessageW(window, WM_SYSCOMMAND,
                 vorenta::SystemMenuId(vorenta::MenuCommand::kRegisterSender), 0);
    ok = WaitUntil([&] { return (popup = FindDialogOf(ProcessOf(window))) != nullptr; }) ||
         Fail("no message after registering");
  } else if (step == L"scroll-right" || step == L"scroll-left") {
    // The pane scrolled sideways as its scroll bar would move it.
    const HWND pane = GetDlgItem(window, kMailPane);
    const int moves = step == L"scroll-right" ? 2 : 1;
    for (int i = 0; i < moves; ++i) {
      SendMessageW(pane, WM_HSCROLL, step == L"scroll-right" ? SB_PAGERIGHT : SB_LEFT, 0);
    }
    ok = true;
  } else if (step == L"add-keyword") {
    const HWND keyword_list = GetDlgItem(window, kKeywordList);
    const size_t before = ListItems(keyword_list).size();
    ok = !keywords.empty() && (EnterKeyword(window, keywords.front()), true) &&
         (WaitUntil([&] { return ListItems(keyword_list).size() > before; }) ||
          Fail("the keyword was not added"));
    // A message about the save, when there is one, is part of the picture.
    WaitUntil([&] { return (popup = FindDialogOf(ProcessOf(window))) != nullptr; },
              std::chrono::seconds(2));
  } else if (step == L"close-window") {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ok = WaitUntil([&] { return (popup = FindDialogOf(ProcessOf(window))) != nullptr; }) ||
         Fail("no question at close");
  } else if (step == L"press") {
    HWND dialog = FindDialogOf(ProcessOf(window));
    ok = (dialog && PressDialogButton(dialog, button)) || Fail("no such button");
    PumpFor(std::chrono::milliseconds(500));
    return ok;
  } else if (step == L"close-message") {
    // The message may follow a question the step before answered.
    ok = (WaitUntil([&] {
            const HWND dialog = FindDialogOf(ProcessOf(window));
            return dialog && PressDialogButton(dialog, u"OK");
          }) &&
          WaitUntil([&] { return FindDialogOf(ProcessOf(window)) == nullptr; })) ||
         Fail("the message did not close");
  } else {
    return Fail("unknown step");
  }
  GetWindowRect(window, &shot);
  if (popup) {
    RECT popup_rect{};
    GetWindowRect(popup, &popup_rect);
    UnionRect(&shot, &shot, &popup_rect);
  }
  if (cut_below > shot.top) shot.bottom = cut_below;
  // Let the last repaint reach the screen before anyone looks.
  PumpFor(std::chrono::milliseconds(500));
  return ok;
}

bool RunSession(HWND window, const std::u16string& mail,
                const std::vector<std::u16string>& keywords, RECT& shot) {
  for (const wchar_t* step : {L"paste", L"copy-address", L"panel", L"search"}) {
    if (!RunStep(window, step, mail, {}, keywords, u"", shot)) return false;
  }
  return true;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring mail_path;
  std::vector<std::u16string> keywords;
  std::wstring step;
  std::u16string button;
  bool close = false;
  for (int i = 1; i < count; ++i) {
    const std::wstring arg = args[i];
    if (arg.rfind(L"--mail=", 0) == 0) mail_path = WindowsPath(arg.substr(7));
    if (arg.rfind(L"--keyword=", 0) == 0) keywords.push_back(U16(arg.substr(10)));
    if (arg.rfind(L"--step=", 0) == 0) step = arg.substr(7);
    if (arg.rfind(L"--button=", 0) == 0) button = U16(arg.substr(9));
    if (arg == L"--close") close = true;
  }
  LocalFree(args);

  HWND window = FindVorenta();
  if (!window) return Fail("no window named Vorenta"), 1;
  if (close) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return WaitUntil([&] { return !IsWindow(window); }) ? 0 : 1;
  }

  const std::optional<std::string> mail =
      mail_path.empty() ? std::optional<std::string>("") : ReadFileBytes(mail_path);
  if (!mail) return Fail("cannot read the mail file"), 1;
  if (keywords.empty()) keywords = {u"セール", u"送料無料"};

  RECT rect{};
  const bool done = step.empty() ? RunSession(window, WithCrLf(FromUtf8(*mail)), keywords, rect)
                                 : RunStep(window, step, WithCrLf(FromUtf8(*mail)), *mail, keywords,
                                           button, rect);
  if (!done) return 1;
  std::printf("window %ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
  return 0;
}
