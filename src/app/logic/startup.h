#pragma once
// Start-up and shut-down of the main window, written against the platform
// operations so that it runs on the real window and in tests alike.

#include <cstdint>

#include "core/ansi_codec.h"
#include "settings/settings_store.h"
#include "ui/keep_on_top.h"
#include "ui/platform.h"
#include "ui/window_logic.h"

namespace vorenta {

inline constexpr char16_t kDevelopmentToolTip[] = u"shift + R ; Kestrow";

// False when the program runs under the development environment's host.
bool IsCompiled(SystemCalls& system, const MainWindow& window, const AnsiCodec& codec);

void RunStartUp(WindowLogic& logic, SettingsStore& settings, const AnsiCodec& codec);

enum class CloseReason { kUser, kSessionEnding };

// Saves both files. False when the user chose to keep the window open.
bool RunShutDown(WindowLogic& logic, SettingsStore& settings, CloseReason reason);

}  // namespace vorenta
