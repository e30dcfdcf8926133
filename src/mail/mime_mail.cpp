#include "mail/mime_mail.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "mail/charsets.h"
#include "mail/encoded_words.h"
#include "mail/header_block.h"
#include "mail/header_parameters.h"
#include "mail/html_charset.h"
#include "mail/mail_date.h"
#include "mail/mailbox_list.h"
#include "mail/multipart_body.h"
#include "mail/pane_lines.h"
#include "mail/transfer_encodings.h"

namespace vorenta {

namespace {

constexpr int kMaxDepth = 32;
constexpr size_t kMaxParts = 1000;

enum class PartKind { kText, kHtml, kMultipart, kMessage, kOther };

struct Part {
  HeaderBlock block;
  ParameterizedValue type;
  PartKind kind = PartKind::kOther;
  bool attachment = false;
};

std::string_view Subtype(const ParameterizedValue& type) {
  const std::string_view value = type.value;
  return value.substr(value.find('/') + 1);
}

bool IsMediaType(std::string_view value) {
  const size_t slash = value.find('/');
  return slash != std::string_view::npos && slash > 0 && slash + 1 < value.size();
}

// whole_mail: the mail itself rather than one of its parts, where any text
// type is worth showing as text.
Part ReadPart(HeaderBlock block, bool in_digest, bool whole_mail) {
  Part part{std::move(block), {}, PartKind::kOther, false};
  if (const auto type = FindField(part.block, "content-type")) {
    part.type = ParseParameterizedValue(*type);
  }
  if (!IsMediaType(part.type.value)) {
    part.type.value = in_digest ? "message/rfc822" : "text/plain";
  }
  const std::string_view value = part.type.value;
  const std::optional<std::string_view> boundary = part.type.Parameter("boundary");
  if (value == "text/html") {
    part.kind = PartKind::kHtml;
  } else if (value == "text/plain" || (whole_mail && value.substr(0, 5) == "text/")) {
    part.kind = PartKind::kText;
  } else if (value.substr(0, 10) == "multipart/") {
    // Without a boundary its parts cannot be found; what it holds shows as text.
    part.kind = boundary && !boundary->empty() ? PartKind::kMultipart : PartKind::kText;
  } else if (value == "message/rfc822" || value == "message/global") {
    part.kind = PartKind::kMessage;
  }
  if (const auto disposition = FindField(part.block, "content-disposition")) {
    part.attachment = ParseParameterizedValue(*disposition).value == "attachment";
  }
  return part;
}

std::string_view WithoutAngleBrackets(std::string_view id) {
  while (!id.empty() && (id.front() == ' ' || id.front() == '\t' || id.front() == '<')) {
    id.remove_prefix(1);
  }
  while (!id.empty() && (id.back() == ' ' || id.back() == '\t' || id.back() == '>' ||
                         id.back() == '\r' || id.back() == '\n')) {
    id.remove_suffix(1);
  }
  return id;
}

// Header text for one line: tabs from folding as spaces, no white space at
// the ends.
std::u16string ShownHeaderText(std::u16string text) {
  std::replace_if(
      text.begin(), text.end(), [](char16_t c) { return c == u'\t' || c == u'\r' || c == u'\n'; },
      u' ');
  const size_t start = text.find_first_not_of(u' ');
  if (start == std::u16string::npos) return {};
  return text.substr(start, text.find_last_not_of(u' ') + 1 - start);
}

void AddHeaderLines(PaneLines& lines, const MailHeaderFields& fields) {
  const std::pair<std::u16string_view, const std::u16string*> shown[] = {
      {u"差出人: ", &fields.from}, {u"件名: ", &fields.subject}, {u"日付: ", &fields.date}};
  bool any = false;
  for (const auto& [label, value] : shown) {
    const std::u16string text = ShownHeaderText(*value);
    if (text.empty()) continue;
    lines.AddLine(std::u16string(label) + text);
    any = true;
  }
  if (any) lines.AddLine(u"");
}

// The body's blocks (the parts shown), with an empty line between two.
class BodyBlocks {
 public:
  explicit BodyBlocks(PaneLines& lines) : lines_(lines) {}

  void AddText(std::u16string_view text) {
    if (text.empty()) return;
    BeginBlock().AddText(text);
  }

  PaneLines& BeginBlock() {
    if (any_block_) lines_.AddLine(u"");
    any_block_ = true;
    return lines_;
  }

 private:
  PaneLines& lines_;
  bool any_block_ = false;
};

class MailReader {
 public:
  MailReader(const AnsiCodec& cp932, const HtmlToTextFunction& html_to_text)
      : cp932_(cp932), html_to_text_(html_to_text) {}

  void ReadMail(std::string_view bytes, PaneLines& lines, int depth,
                std::u16string* sender_address) {
    HeaderBlock block = ReadMailHeaderBlock(bytes);
    MailHeaderFields fields;
    if (const auto from = FindField(block, "from")) {
      const std::vector<Mailbox> mailboxes = ParseMailboxList(*from, cp932_);
      for (const Mailbox& mailbox : mailboxes) {
        if (!fields.from.empty()) fields.from += u", ";
        fields.from += FormatMailbox(mailbox);
      }
      if (mailboxes.empty()) fields.from = DecodeHeaderText(*from, cp932_);
      if (sender_address) {
        const auto with_address = std::find_if(mailboxes.begin(), mailboxes.end(),
                                               [](const Mailbox& m) { return !m.address.empty(); });
        if (with_address != mailboxes.end()) *sender_address = with_address->address;
      }
    }
    if (const auto subject = FindField(block, "subject")) {
      fields.subject = DecodeHeaderText(*subject, cp932_);
    }
    if (const auto date = FindField(block, "date")) {
      fields.date = FormatMailDate(*date).value_or(DecodeHeaderText(*date, cp932_));
    }
    AddHeaderLines(lines, fields);
    BodyBlocks blocks(lines);
    ReadEntity(ReadPart(std::move(block), false, true), blocks, depth);
  }

 private:
  void ReadEntity(const Part& part, BodyBlocks& blocks, int depth) {
    if (depth > kMaxDepth) return;
    switch (part.kind) {
      case PartKind::kText:
        blocks.AddText(TextOf(part));
        break;
      case PartKind::kHtml:
        blocks.AddText(html_to_text_(HtmlOf(part)));
        break;
      case PartKind::kMultipart:
        ReadMultipart(part, blocks, depth + 1);
        break;
      case PartKind::kMessage: {
        std::string storage;
        const std::string_view message = Content(part, storage);
        ReadMail(message, blocks.BeginBlock(), depth + 1, nullptr);
        break;
      }
      case PartKind::kOther:
        break;
    }
  }

  void ReadMultipart(const Part& part, BodyBlocks& blocks, int depth) {
    const std::vector<Part> children = Children(part);
    const std::string_view subtype = Subtype(part.type);
    if (subtype == "alternative") {
      if (const Part* chosen = ChooseAlternative(children, depth)) {
        ReadEntity(*chosen, blocks, depth);
      }
    } else if (subtype == "related") {
      if (const Part* root = RelatedRoot(part, children)) ReadEntity(*root, blocks, depth);
    } else {
      for (const Part& child : children) {
        const bool shown = child.kind == PartKind::kMessage ||
                           (!child.attachment && child.kind != PartKind::kOther);
        if (shown) ReadEntity(child, blocks, depth);
      }
    }
  }

  std::vector<Part> Children(const Part& part) {
    const std::string_view boundary = part.type.Parameter("boundary").value_or("");
    const std::vector<std::string_view> bodies =
        SplitMultipartBody(part.block.body, boundary, parts_left_);
    parts_left_ -= bodies.size();
    const bool digest = Subtype(part.type) == "digest";
    std::vector<Part> children;
    children.reserve(bodies.size());
    for (std::string_view body : bodies) {
      children.push_back(ReadPart(ReadHeaderBlock(body), digest, false));
    }
    return children;
  }

  static const Part* RelatedRoot(const Part& related, const std::vector<Part>& children) {
    if (children.empty()) return nullptr;
    if (const auto start = related.type.Parameter("start")) {
      const std::string_view wanted = WithoutAngleBrackets(*start);
      for (const Part& child : children) {
        const auto id = FindField(child.block, "content-id");
        if (id && WithoutAngleBrackets(*id) == wanted) return &child;
      }
    }
    return &children.front();
  }

  // What an alternative shows as: a multipart/related is its root.
  PartKind ShownKind(const Part& part, int depth) {
    if (part.kind != PartKind::kMultipart || Subtype(part.type) != "related" ||
        depth >= kMaxDepth) {
      return part.kind;
    }
    const std::vector<Part> children = Children(part);
    const Part* root = RelatedRoot(part, children);
    return root ? ShownKind(*root, depth + 1) : PartKind::kOther;
  }

  // RFC 2046 orders alternatives from plain to rich: the last HTML one, else
  // the last plain text one, else the last multipart one.
  const Part* ChooseAlternative(const std::vector<Part>& children, int depth) {
    const Part* text = nullptr;
    const Part* multipart = nullptr;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      const PartKind kind = ShownKind(*it, depth);
      if (kind == PartKind::kHtml) return &*it;
      if (kind == PartKind::kText && !text) text = &*it;
      if (kind == PartKind::kMultipart && !multipart) multipart = &*it;
    }
    return text ? text : multipart;
  }

  // The body without its transfer encoding; storage holds it when decoding
  // was needed.
  static std::string_view Content(const Part& part, std::string& storage) {
    const auto field = FindField(part.block, "content-transfer-encoding");
    const std::string encoding = field ? ParseParameterizedValue(*field).value : std::string();
    if (encoding == "base64") {
      storage = DecodeBase64(part.block.body);
      return storage;
    }
    if (encoding == "quoted-printable") {
      storage = DecodeQuotedPrintable(part.block.body);
      return storage;
    }
    return part.block.body;  // 7bit, 8bit, binary and the unknown
  }

  std::optional<Charset> LabelledCharset(const Part& part) const {
    const auto label = part.type.Parameter("charset");
    return label ? CharsetFromLabel(*label) : std::nullopt;
  }

  std::u16string TextOf(const Part& part) {
    std::string storage;
    const std::string_view bytes = Content(part, storage);
    if (const auto charset = LabelledCharset(part)) return DecodeAs(*charset, bytes, cp932_).text;
    return DecodeUnlabelled(bytes, cp932_).text;
  }

  std::u16string HtmlOf(const Part& part) {
    std::string storage;
    const std::string_view bytes = Content(part, storage);
    std::optional<Charset> charset = LabelledCharset(part);
    if (!charset) charset = FindHtmlMetaCharset(bytes);
    if (charset) return DecodeAs(*charset, bytes, cp932_).text;
    return DecodeUnlabelled(bytes, cp932_).text;
  }

  const AnsiCodec& cp932_;
  const HtmlToTextFunction& html_to_text_;
  size_t parts_left_ = kMaxParts;
};

}  // namespace

MailText ReadMimeMail(std::string_view bytes, const AnsiCodec& cp932,
                      const HtmlToTextFunction& html_to_text) {
  MailText mail;
  PaneLines lines(mail.text);
  MailReader(cp932, html_to_text).ReadMail(bytes, lines, 0, &mail.sender_address);
  return mail;
}

void AppendMailHeaderLines(std::u16string& text, const MailHeaderFields& fields) {
  PaneLines lines(text);
  AddHeaderLines(lines, fields);
}

}  // namespace vorenta
