#pragma once
// The whole platform in memory, controls at their design places: what the
// window logic runs against in tests and in the command-line driver.

#include "ui/layout.h"
#include "ui/memory/memory_controls.h"
#include "ui/memory/memory_files.h"
#include "ui/memory/memory_services.h"
#include "ui/memory/memory_window.h"
#include "ui/platform.h"

namespace vorenta {

struct MemoryPlatform {
  MemoryButton command1{layout::kCommand1};
  MemoryListBox list1{layout::kList1};
  MemoryListBox list2{layout::kList2};
  MemoryTextBox text1{layout::kText1};
  MemoryTextBox text2{layout::kText2};
  MemoryWindow window;
  MemoryClipboard clipboard;
  MemoryProcessStarter process;
  MemoryFiles files;
  MemorySystemCalls system;
  MemoryDialogs dialogs;

  Platform platform{command1,  list1,   list2, text1,  text2,  window,
                    clipboard, process, files, system, dialogs};
};

}  // namespace vorenta
