#pragma once
// The clipboard: text in and out, and what else a copy leaves there.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorenta {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Empty when the clipboard holds no text; nullopt when it could not be
  // opened (another program holds it).
  virtual std::optional<std::u16string> Text() = 0;
  // Hands the text to `use` without copying it, empty when there is none;
  // false, without calling `use`, when the clipboard could not be opened.
  virtual bool UseText(const std::function<void(std::u16string_view)>& use) = 0;
  // Hands the bytes of the "HTML Format" to `use` without copying them,
  // nullopt when there is none; false, without calling `use`, when the
  // clipboard could not be opened.
  virtual bool UseHtml(const std::function<void(std::optional<std::string_view>)>& use) = 0;
  // The full names of files copied in Explorer (CF_HDROP), in order; empty
  // when there are none or the clipboard could not be opened.
  virtual std::vector<std::u16string> FileNames() = 0;
  virtual bool Clear() = 0;
  virtual bool SetText(const std::u16string& text) = 0;
};

}  // namespace vorenta
