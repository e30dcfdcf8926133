#pragma once
// The RTF body of an Outlook item as the item keeps it (PidTagRtfCompressed):
// a 16-byte header, then LZFu-compressed or plain ("MELA") RTF.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorenta {

// A raw size past this is taken for a hostile header, not a mail.
inline constexpr std::uint32_t kMaxRtfRawSize = 64u << 20;

// The RTF held in a PidTagRtfCompressed value. "LZFu" content is
// decompressed, "MELA" content copied; the output is never longer than the
// header's raw size, and LZFu stops early at its end marker or at the end of
// the content.
//
// nullopt when the value cannot be trusted: shorter than the header, another
// compression type, a size field claiming more content than is there, a raw
// size over kMaxRtfRawSize, or an LZFu CRC that does not match the content.
// A bad CRC is refused rather than decoded: one wrong byte garbles all the
// text after it, and an address cut from such text would lead somewhere else.
std::optional<std::string> DecompressRtf(std::string_view stored);

}  // namespace vorenta
