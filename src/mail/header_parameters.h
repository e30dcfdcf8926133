#pragma once
// Header values of the form "value; name=token; name="quoted string"", as
// Content-Type and Content-Disposition carry them.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorenta {

struct ParameterizedValue {
  std::string value;  // lower case, white space and comments removed: "text/html"
  std::vector<std::pair<std::string, std::string>> parameters;  // names in lower case

  // The first parameter of that name (lower case), unquoted.
  std::optional<std::string_view> Parameter(std::string_view name) const;
};

// Reads an unfolded or folded value; never fails, a broken parameter is
// skipped.
ParameterizedValue ParseParameterizedValue(std::string_view raw_value);

}  // namespace vorenta
