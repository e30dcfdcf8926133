#pragma once
// What a drop carried, copied out of the data object while the drop lasts,
// so that the drop can be handled after it: a message shown while it lasts
// would hold up the program the drag came from.

#include <optional>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace vorenta {

class DroppedData : public DropData {
 public:
  explicit DroppedData(const DropData& data)
      : offers_text_(data.OffersText()),
        text_(data.Text()),
        html_(data.Html()),
        files_(data.FileNames()) {}

  bool OffersText() const override { return offers_text_; }
  std::optional<std::u16string> Text() const override { return text_; }
  std::optional<std::string> Html() const override { return html_; }
  std::vector<std::u16string> FileNames() const override { return files_; }

 private:
  bool offers_text_;
  std::optional<std::u16string> text_;
  std::optional<std::string> html_;
  std::vector<std::u16string> files_;
};

}  // namespace vorenta
