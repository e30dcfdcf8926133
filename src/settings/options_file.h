#pragma once
// The options file Vorenta.ini: UTF-8 text, one `Key=Value` per line under a
// `[Vorenta]` heading, values 1 or 0. It exists only once the user changed an
// option, so a user who never does gets exactly the files of earlier
// versions.
//
// Reading never fails: a missing file, a line that is not `Key=Value`, an
// unknown key or a value that is not a yes or no gives the default for what
// it concerns. Writing keeps every line it does not own exactly as it was
// (keys of later versions, comments), changes the value of the keys it owns
// in place and appends those it misses. A key added in a later version is
// appended only once its value differs from the default, so that the file
// of a user who never touched it stays as it was.

#include <string>
#include <string_view>

namespace vorenta {

inline constexpr char16_t kOptionsFileName[] = u"Vorenta.ini";

struct Options {
  bool fuzzy_search = false;
  bool always_on_top = true;
  bool remember_placement = false;
  // Enter and text drops paste an HTML mail with its link addresses, as
  // Ctrl+V does.
  bool html_links = false;
  // Sender pages open in the user's default browser rather than through
  // Internet Explorer's command line.
  bool default_browser = false;

  bool operator==(const Options&) const = default;
};

Options ReadOptionsFile(std::string_view bytes);

// The file's new bytes: `previous` (the file as read, or empty) with the
// options' values.
std::string WriteOptionsFile(const Options& options, std::string_view previous);

}  // namespace vorenta
