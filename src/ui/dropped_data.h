#pragma once
// What a drop carried, copied out of the data object while the drop lasts,
// so that the drop can be handled after it: a message shown while it lasts
// would hold up the program the drag came from.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace vorenta {

class DroppedData : public DropData {
 public:
  // Of the messages, only the one that `wanted` picks by name is copied.
  DroppedData(const DropData& data,
              const std::function<int(const std::vector<std::u16string>&)>& wanted)
      : offers_text_(data.OffersText()),
        text_(data.Text()),
        html_(data.Html()),
        files_(data.FileNames()),
        message_names_(data.MessageNames()),
        message_index_(files_.empty() && !message_names_.empty() ? wanted(message_names_) : -1),
        message_(message_index_ >= 0 ? data.Message(message_index_) : std::nullopt) {}

  bool OffersText() const override { return offers_text_; }
  std::optional<std::u16string> Text() const override { return text_; }
  std::optional<std::string> Html() const override { return html_; }
  std::vector<std::u16string> FileNames() const override { return files_; }
  std::vector<std::u16string> MessageNames() const override { return message_names_; }
  std::optional<DraggedMessage> Message(int index) const override {
    return index == message_index_ ? message_ : std::nullopt;
  }

 private:
  bool offers_text_;
  std::optional<std::u16string> text_;
  std::optional<std::string> html_;
  std::vector<std::u16string> files_;
  std::vector<std::u16string> message_names_;
  int message_index_;
  std::optional<DraggedMessage> message_;
};

}  // namespace vorenta
