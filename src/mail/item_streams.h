#pragma once
// An Outlook item's streams held in memory: the copy of a storage that is
// only there while a drop lasts, or of a file read whole.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "mail/outlook_item.h"

namespace vorenta {

class ItemStreams : public ItemStorage {
 public:
  void Put(std::u16string name, std::string bytes) {
    streams_.insert_or_assign(std::move(name), std::move(bytes));
  }
  std::optional<std::string> Stream(std::u16string_view name) const override {
    const auto it = streams_.find(name);
    if (it == streams_.end()) return std::nullopt;
    return it->second;
  }
  bool empty() const { return streams_.empty(); }

 private:
  std::map<std::u16string, std::string, std::less<>> streams_;
};

}  // namespace vorenta
