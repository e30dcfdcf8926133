#pragma once
// The clipboard: text in and out.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

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
  virtual bool Clear() = 0;
  virtual bool SetText(const std::u16string& text) = 0;
};

}  // namespace vorenta
