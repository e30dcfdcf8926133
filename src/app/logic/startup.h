#pragma once
// Start-up and shut-down of the main window, written against the platform
// operations so that it runs on the real window and in tests alike.

#include <cstdint>

#include "settings/ansi_codec.h"
#include "settings/settings_store.h"
#include "ui/form1.h"
#include "ui/platform.h"

namespace vorenta {

inline constexpr std::intptr_t kHwndTopmost = -1;
inline constexpr std::intptr_t kHwndNoTopmost = -2;
inline constexpr unsigned kKeepOnTopFlags = 67;  // SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW
inline constexpr char16_t kDevelopmentToolTip[] = u"shift + R ; Kestrow";

// Mode 1 makes the window topmost, mode 0 not topmost; the result of
// SetWindowPos, or 0 for any other mode.
std::int32_t KeepOnTop(SystemCalls& system, const MainWindow& window, int mode);

// False when the program runs under the development environment's host.
bool IsCompiled(SystemCalls& system, const MainWindow& window, const AnsiCodec& codec);

void Form_Load(Form1& form, SettingsStore& settings, const AnsiCodec& codec);
void Form_QueryUnload(Form1& form, SettingsStore& settings);

}  // namespace vorenta
