#pragma once
// Starting other programs: a command line, or a web address through the
// shell's default browser.

#include "platform/process_starter.h"

namespace vorenta {

class Win32ProcessStarter : public ProcessStarter {
 public:
  bool Start(const std::u16string& command_line, int show_style) override;
  bool OpenWithDefaultBrowser(const std::u16string& url) override;
};

}  // namespace vorenta
