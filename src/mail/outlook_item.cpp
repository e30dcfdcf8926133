#include "mail/outlook_item.h"

#include <initializer_list>

#include "core/utf8.h"
#include "mail/compressed_rtf.h"
#include "mail/msg_properties.h"

namespace vorenta {

namespace {

enum PropertyId : std::uint16_t {
  kSubject = 0x0037,
  kClientSubmitTime = 0x0039,
  kSentRepresentingAddressType = 0x0064,
  kSentRepresentingEmailAddress = 0x0065,
  kSenderName = 0x0C1A,
  kSenderAddressType = 0x0C1E,
  kSenderEmailAddress = 0x0C1F,
  kMessageDeliveryTime = 0x0E06,
  kBody = 0x1000,
  kRtfCompressed = 0x1009,
  kHtml = 0x1013,
  kCreationTime = 0x3007,
  kInternetCodepage = 0x3FDE,
  kMessageCodepage = 0x3FFD,
  kSenderSmtpAddress = 0x5D01,
  kSentRepresentingSmtpAddress = 0x5D02,
};

constexpr int kUtf8CodePage = 65001;

std::u16string DecodeUtf16Le(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                  (static_cast<unsigned char>(bytes[i + 1]) << 8));
  }
  // Some writers keep the terminating NUL in the stream.
  while (!text.empty() && text.back() == u'\0') text.pop_back();
  return text;
}

std::string_view WithoutTrailingNuls(std::string_view bytes) {
  while (!bytes.empty() && bytes.back() == '\0') bytes.remove_suffix(1);
  return bytes;
}

bool IsSmtp(std::u16string_view type) {
  if (type.size() != 4) return false;
  for (size_t i = 0; i < 4; ++i) {
    const char16_t c = type[i];
    if ((c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c) != u"SMTP"[i]) return false;
  }
  return true;
}

class ItemReader {
 public:
  ItemReader(const ItemStorage& storage, const CodePageDecoder& decode)
      : storage_(storage),
        decode_(decode),
        fixed_(storage.Stream(kPropertyStreamName).value_or(std::string())),
        internet_code_page_(CodePage(kInternetCodepage)),
        message_code_page_(CodePage(kMessageCodepage)) {}

  OutlookItem Read() const {
    OutlookItem item;
    item.subject = String(kSubject);
    item.sender_name = String(kSenderName);
    item.sender_address = SenderAddress();
    item.time = FirstTime({kMessageDeliveryTime, kClientSubmitTime, kCreationTime});
    ReadBody(item);
    return item;
  }

 private:
  std::optional<std::string> Stream(std::uint16_t id, PropertyType type) const {
    return storage_.Stream(PropertyStreamName(id, type));
  }

  std::optional<int> CodePage(std::uint16_t id) const {
    const auto value = fixed_.Long(id);
    if (!value || *value <= 0) return std::nullopt;
    return *value;
  }

  static int First(std::initializer_list<std::optional<int>> code_pages) {
    for (const auto& code_page : code_pages) {
      if (code_page) return *code_page;
    }
    return kItemFallbackCodePage;
  }

  std::u16string Decode(int code_page, std::string_view bytes) const {
    bytes = WithoutTrailingNuls(bytes);
    if (bytes.empty()) return {};
    if (code_page == kUtf8CodePage) return DecodeUtf8(bytes).text;
    return decode_(code_page, bytes);
  }

  // The Unicode value, else the 8-bit one; empty when there is neither.
  std::u16string String(std::uint16_t id) const {
    if (const auto unicode = Stream(id, PropertyType::kUnicode)) return DecodeUtf16Le(*unicode);
    if (const auto bytes = Stream(id, PropertyType::kString8)) {
      return Decode(First({message_code_page_, internet_code_page_}), *bytes);
    }
    return {};
  }

  std::u16string SenderAddress() const {
    std::u16string address = String(kSenderSmtpAddress);
    if (address.empty() && IsSmtp(String(kSenderAddressType))) {
      address = String(kSenderEmailAddress);
    }
    if (address.empty()) address = String(kSentRepresentingSmtpAddress);
    if (address.empty() && IsSmtp(String(kSentRepresentingAddressType))) {
      address = String(kSentRepresentingEmailAddress);
    }
    return address;
  }

  std::optional<std::int64_t> FirstTime(std::initializer_list<std::uint16_t> ids) const {
    for (const std::uint16_t id : ids) {
      const auto time = fixed_.Time(id);
      if (time && *time != 0) return time;
    }
    return std::nullopt;
  }

  std::u16string HtmlBody() const {
    if (const auto unicode = Stream(kHtml, PropertyType::kUnicode)) return DecodeUtf16Le(*unicode);
    auto bytes = Stream(kHtml, PropertyType::kBinary);
    if (!bytes) bytes = Stream(kHtml, PropertyType::kString8);
    if (!bytes) return {};
    if (internet_code_page_) return Decode(*internet_code_page_, *bytes);
    const Utf8Text utf8 = DecodeUtf8(WithoutTrailingNuls(*bytes));
    if (!utf8.lossy) return utf8.text;
    return Decode(First({message_code_page_}), *bytes);
  }

  void ReadBody(OutlookItem& item) const {
    item.body = HtmlBody();
    if (!item.body.empty()) {
      item.body_kind = OutlookItem::BodyKind::kHtml;
      return;
    }
    // Outlook often keeps an HTML mail as its plain text beside compressed
    // RTF that wraps the HTML: only the HTML has the link addresses.
    const auto compressed = Stream(kRtfCompressed, PropertyType::kBinary);
    const bool has_rtf = compressed && !compressed->empty();
    const auto rtf = has_rtf ? DecompressRtf(*compressed) : std::nullopt;
    auto rtf_body = rtf ? ReadRtfBody(*rtf, decode_) : std::nullopt;
    if (rtf_body && rtf_body->kind == RtfBody::Kind::kHtml && !rtf_body->content.empty()) {
      item.body = std::move(rtf_body->content);
      item.body_kind = OutlookItem::BodyKind::kHtml;
      return;
    }
    item.body = String(kBody);
    if (!item.body.empty()) {
      item.body_kind = OutlookItem::BodyKind::kText;
      return;
    }
    if (!rtf_body) {
      item.rtf_failed = has_rtf;
      return;
    }
    item.body = std::move(rtf_body->content);
    item.body_kind = OutlookItem::BodyKind::kText;
  }

  const ItemStorage& storage_;
  const CodePageDecoder& decode_;
  const FixedProperties fixed_;
  const std::optional<int> internet_code_page_;
  const std::optional<int> message_code_page_;
};

}  // namespace

OutlookItem ReadOutlookItem(const ItemStorage& storage, const CodePageDecoder& decode) {
  return ItemReader(storage, decode).Read();
}

}  // namespace vorenta
