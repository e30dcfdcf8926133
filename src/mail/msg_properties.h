#pragma once
// Where a .msg file keeps a message's properties: variable-size values each
// in a stream of their own, named by property ID and type; fixed-size
// values together in the property stream.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorenta {

enum class PropertyType : std::uint16_t {
  kLong = 0x0003,
  kTime = 0x0040,
  kString8 = 0x001E,
  kUnicode = 0x001F,
  kBinary = 0x0102,
};

// "__substg1.0_" and the property's ID and type in upper-case hex,
// e.g. "__substg1.0_0037001F".
std::u16string PropertyStreamName(std::uint16_t id, PropertyType type);

inline constexpr std::u16string_view kPropertyStreamName = u"__properties_version1.0";

// The fixed-size values of a top-level message's property stream: a 32-byte
// header, then 16-byte entries (tag with the type in its low 16 bits and
// the ID in its high 16 bits, flags, 8 bytes of value). A stream too short
// for its header has no values; a partial entry at the end is ignored.
class FixedProperties {
 public:
  explicit FixedProperties(std::string stream) : stream_(std::move(stream)) {}

  std::optional<std::int32_t> Long(std::uint16_t id) const;
  std::optional<std::int64_t> Time(std::uint16_t id) const;

 private:
  // The 8 value bytes of the first entry with that ID and type.
  std::optional<std::string_view> Value(std::uint16_t id, PropertyType type) const;

  std::string stream_;
};

}  // namespace vorenta
