// Kills the real Vorenta.exe at random moments while keywords go in as fast
// as it takes them, and prints what the keyword file held after each kill.
//
//   vorenta_kill_loop --vorenta=PATH [--kills=50] [--longest-wait=400] [--seed=N]
//
// Under Wine on a display, e.g.
//   xvfb-run -a scripts/wine-run.sh build/windows/bench/vorenta_kill_loop.exe
//       --vorenta=build/windows/Vorenta.exe

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <random>
#include <string>

#include "kill_loop.h"
#include "message_dialogs.h"
#include "program_paths.h"
#include "text_convert.h"

using namespace vorenta_e2e;

int main() {
  int kills = 50;
  int longest_wait_ms = 400;
  unsigned seed = std::random_device{}();
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg.rfind(L"--vorenta=", 0) == 0) Programs().vorenta_exe = WindowsPath(arg.substr(10));
    if (arg.rfind(L"--kills=", 0) == 0) kills = std::stoi(arg.substr(8));
    if (arg.rfind(L"--longest-wait=", 0) == 0) longest_wait_ms = std::stoi(arg.substr(15));
    if (arg.rfind(L"--seed=", 0) == 0) seed = static_cast<unsigned>(std::stoul(arg.substr(7)));
  }
  LocalFree(argv);
  if (Programs().vorenta_exe.empty()) {
    std::fprintf(stderr, "usage: vorenta_kill_loop --vorenta=PATH [--kills=N] [--seed=N]\n");
    return 2;
  }
  std::mt19937 random(seed);
  VorentaSession vorenta;
  KillLoopResult r;
  try {
    r = RunKillLoop(vorenta, kills, longest_wait_ms, random);
  } catch (const std::exception& error) {
    // A start that asks something first: say what it asked.
    const HWND dialog = FindDialogOf(vorenta.process_id());
    std::fprintf(stderr, "stopped: %s\n%s\n", error.what(),
                 dialog ? Utf8(DialogText(dialog)).c_str() : "");
    return 1;
  }
  std::printf(
      "| seed | kills | files complete after a kill | keywords lost | most .tmp files "
      "after a kill | .tmp files after the next start | keywords in the file at the end |\n");
  std::printf("|---:|---:|---:|---:|---:|---:|---:|\n");
  std::printf("| %u | %d | %d | %d | %d | %d | %d |\n", seed, r.kills, r.files_complete,
              r.keywords_lost, r.most_leftovers, r.leftovers_after_start, r.keywords_added);
  return r.files_complete == r.kills && r.keywords_lost == 0 ? 0 : 1;
}
