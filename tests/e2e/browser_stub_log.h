#pragma once
// What the browser stub of the test prefix recorded when it was started.

#include <optional>
#include <string>

#include "vorenta_session.h"

namespace vorenta_e2e {

struct BrowserStart {
  std::u16string command_line;
  std::u16string show;
};

// What the stub wrote beside the program: its command line, then "show=N".
std::optional<BrowserStart> ReadBrowserStart(const VorentaSession& vorenta);

}  // namespace vorenta_e2e
