#include "kill_loop.h"

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "file_bytes.h"
#include "gestures.h"

namespace vorenta_e2e {

namespace {

// The keywords are ASCII, one per CR LF line.
std::vector<std::string> KeywordLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  if (start != bytes.size()) lines.push_back(bytes.substr(start) + "<cut>");
  return lines;
}

// Files beside the keyword file whose names begin with its name and a dot
// (which Windows' pattern "SMdata1.dat.*" would match the file itself).
int LeftoverCount(const std::wstring& folder) {
  int count = 0;
  WIN32_FIND_DATAW entry;
  const HANDLE find = FindFirstFileW((folder + L"\\SMdata1.dat.*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    if (std::wstring(entry.cFileName).size() > std::wstring(kKeywordFile).size()) ++count;
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  return count;
}

// Adds keywords through the entry box's own messages, each one handled
// (and saved) before the next is sent, until the program is gone.
void AddUntilKilled(HWND window, int round, const std::atomic<bool>& killed) {
  const HWND entry = GetDlgItem(window, kKeywordBox);
  for (int i = 0; !killed; ++i) {
    const std::wstring keyword = L"k" + std::to_wstring(round) + L"-" + std::to_wstring(i);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(keyword.c_str()),
                             SMTO_ABORTIFHUNG, 2000, &result) ||
        !SendMessageTimeoutW(entry, WM_KEYDOWN, VK_RETURN, 0, SMTO_ABORTIFHUNG, 2000, &result)) {
      return;
    }
  }
}

}  // namespace

KillLoopResult RunKillLoop(VorentaSession& vorenta, int kills, int longest_wait_ms,
                           std::mt19937& random) {
  KillLoopResult result;
  std::uniform_int_distribution<int> wait_ms(0, longest_wait_ms);
  const std::wstring keyword_file = vorenta.PathOf(kKeywordFile);
  for (int round = 0; round < kills; ++round) {
    const std::vector<std::string> before = KeywordLines(ReadFileBytes(keyword_file).value_or(""));
    std::atomic<bool> killed{false};
    std::thread adder(AddUntilKilled, vorenta.window(), round, std::cref(killed));
    Sleep(static_cast<DWORD>(wait_ms(random)));
    vorenta.Kill();
    killed = true;
    adder.join();
    ++result.kills;

    const std::vector<std::string> after = KeywordLines(ReadFileBytes(keyword_file).value_or(""));
    // The old list, then this round's keywords in the order they went in.
    size_t kept = 0;
    while (kept < before.size() && kept < after.size() && after[kept] == before[kept]) ++kept;
    result.keywords_lost += static_cast<int>(before.size() - kept);
    bool whole = FileExists(keyword_file) && kept == before.size();
    for (size_t i = kept; whole && i < after.size(); ++i) {
      whole = after[i] == "k" + std::to_string(round) + "-" + std::to_string(i - kept);
    }
    if (whole) ++result.files_complete;
    result.most_leftovers = std::max(result.most_leftovers, LeftoverCount(vorenta.folder()));

    vorenta.Restart();
    result.leftovers_after_start += LeftoverCount(vorenta.folder());
  }
  result.keywords_added =
      static_cast<int>(KeywordLines(ReadFileBytes(keyword_file).value_or("")).size());
  return result;
}

}  // namespace vorenta_e2e
