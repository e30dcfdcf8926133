#include "mail/msg_properties.h"

namespace vorenta {

namespace {

constexpr size_t kTopLevelHeaderSize = 32;
constexpr size_t kEntrySize = 16;
constexpr size_t kValueOffset = 8;

std::uint64_t ReadLe(std::string_view bytes, size_t count) {
  std::uint64_t value = 0;
  for (size_t i = 0; i < count; ++i) {
    value |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
  }
  return value;
}

}  // namespace

std::u16string PropertyStreamName(std::uint16_t id, PropertyType type) {
  constexpr char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string name = u"__substg1.0_";
  const std::uint32_t tag = (std::uint32_t{id} << 16) | static_cast<std::uint16_t>(type);
  for (int shift = 28; shift >= 0; shift -= 4) name += kHex[(tag >> shift) & 0xF];
  return name;
}

std::optional<std::string_view> FixedProperties::Value(std::uint16_t id, PropertyType type) const {
  const std::uint32_t tag = (std::uint32_t{id} << 16) | static_cast<std::uint16_t>(type);
  const std::string_view stream = stream_;
  for (size_t at = kTopLevelHeaderSize; at <= stream.size() && stream.size() - at >= kEntrySize;
       at += kEntrySize) {
    if (ReadLe(stream.substr(at), 4) == tag) return stream.substr(at + kValueOffset, 8);
  }
  return std::nullopt;
}

std::optional<std::int32_t> FixedProperties::Long(std::uint16_t id) const {
  const auto value = Value(id, PropertyType::kLong);
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadLe(*value, 4)));
}

std::optional<std::int64_t> FixedProperties::Time(std::uint16_t id) const {
  const auto value = Value(id, PropertyType::kTime);
  if (!value) return std::nullopt;
  return static_cast<std::int64_t>(ReadLe(*value, 8));
}

}  // namespace vorenta
