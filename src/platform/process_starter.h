#pragma once
// Starting other programs: a command line, or a web address in the user's
// browser.
#include <string>

namespace vorenta {

class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // Runs a command line with a ShowWindow style; false when it did not start.
  virtual bool Start(const std::u16string& command_line, int show_style) = 0;
  // Opens a web address with the user's default browser.
  virtual bool OpenWithDefaultBrowser(const std::u16string& url) = 0;
};

}  // namespace vorenta
