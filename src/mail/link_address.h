#pragma once
// The web address a link leads to, written so that a click on the line cuts
// all of it: the scheme in lower case (the click looks for "http"), no
// spaces or control characters inside.

#include <string>
#include <string_view>

namespace vorenta::html {

// Empty unless the href, its references already decoded and its leading and
// trailing spaces and control characters dropped, begins with http:// or
// https:// in any case. Tabs and line breaks inside are dropped, as
// browsers do; other spaces and control characters become %XX.
std::u16string WebAddress(std::u16string_view href);

}  // namespace vorenta::html
