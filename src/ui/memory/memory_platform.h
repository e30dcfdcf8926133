#pragma once
// The whole platform in memory, controls at their design places: what the
// window logic runs against in tests and in the command-line driver.

#include <memory>

#include "core/ansi_codec.h"
#include "platform/memory/memory_files.h"
#include "platform/memory/memory_services.h"
#include "ui/layout.h"
#include "ui/memory/memory_controls.h"
#include "ui/memory/memory_window.h"
#include "ui/platform.h"

namespace vorenta {

struct MemoryPlatform {
  MemoryButton search_button{layout::kSearchButton};
  MemoryListBox mail_pane{layout::kMailPane};
  MemoryListBox keyword_list{layout::kKeywordList};
  MemoryTextBox address_box{layout::kAddressBox};
  MemoryTextBox keyword_box{layout::kKeywordBox};
  MemoryWindow window;
  MemoryClipboard clipboard;
  MemoryProcessStarter process;
  MemoryFiles files;
  MemorySystemCalls system;
  MemoryDialogs dialogs;
  MemoryOutlookItemFiles outlook_items;
  std::unique_ptr<AnsiCodec> cp932 = MakeCodePage932Codec();

  Platform platform{search_button, mail_pane,     keyword_list, address_box, keyword_box,
                    window,        clipboard,     process,      files,       system,
                    dialogs,       outlook_items, *cp932};
};

}  // namespace vorenta
