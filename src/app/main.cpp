// Vorenta.exe: the main window on the real platform. The process starts in
// VorentaEntry (dll_hardening.cpp), which limits where DLLs come from before
// the C runtime, static constructors or wWinMain run.

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "app/logic/startup.h"
#include "app/single_instance.h"
#include "core/ansi_codec.h"
#include "platform/win32/scoped_win32.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_outlook_items.h"
#include "platform/win32/win32_process_starter.h"
#include "platform/win32/win32_system_calls.h"
#include "settings/settings_store.h"
#include "ui/platform.h"
#include "ui/texts.h"
#include "ui/win32/app_window.h"
#include "ui/window_logic.h"

namespace {

int Run(HINSTANCE instance, int show_command) {
  using namespace vorenta;
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);

  AppWindow window(instance);
  if (!window.Create()) return 1;

  const auto codec = MakeSystemAnsiCodec();
  const auto cp932 = MakeCodePage932Codec();
  Win32Clipboard clipboard(window.hwnd());
  Win32ProcessStarter process;
  Win32Files files;
  Win32OutlookItemFiles outlook_items;
  Win32SystemCalls system;
  Win32Dialogs dialogs(window.hwnd(), {texts::kMessageTitle});
  Platform platform{window.search_button(),
                    window.mail_pane(),
                    window.keyword_list(),
                    window.address_box(),
                    window.keyword_box(),
                    window.window(),
                    clipboard,
                    process,
                    files,
                    system,
                    dialogs,
                    outlook_items,
                    *cp932};
  SettingsStore settings(files, *codec);
  WindowLogic logic(platform, settings);

  window.Attach(logic, [&](bool may_ask) {
    return RunShutDown(logic, settings, may_ask ? CloseReason::kUser : CloseReason::kSessionEnding);
  });
  RunStartUp(logic, settings, *codec);
  window.Show(show_command);
  return window.RunMessageLoop();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  // A second copy from the same folder would overwrite the first one's
  // keywords: the first one is shown instead.
  const vorenta::SingleInstance single_instance;
  if (single_instance.AnotherIsRunning()) {
    single_instance.ActivateTheOther(vorenta::kWindowClass);
    return 0;
  }
  // Drag and drop and the shell need OLE on the window's thread; without it
  // the window still works, only drops are not taken.
  const vorenta::OleSession ole;
  return Run(instance, show_command);
}
