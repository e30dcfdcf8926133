#pragma once
// Everything the window logic reaches: the window and its controls (ui/) and
// the services of the platform (platform/), bundled so that the same logic
// runs on the real ones and on in-memory ones.

#include "core/ansi_codec.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/outlook_item_files.h"
#include "platform/process_starter.h"
#include "platform/system_calls.h"
#include "ui/controls.h"

namespace vorenta {

// Everything the window logic needs, owned elsewhere.
struct Platform {
  PushButton& search_button;
  ListBox& mail_pane;
  ListBox& keyword_list;
  TextBox& address_box;
  TextBox& keyword_box;
  MainWindow& window;
  Clipboard& clipboard;
  ProcessStarter& process;
  Files& files;
  SystemCalls& system;
  Dialogs& dialogs;
  OutlookItemFiles& outlook_items;
  // Code page 932 whatever the system's code page: Japanese mail's Shift_JIS.
  const AnsiCodec& cp932;
};

}  // namespace vorenta
