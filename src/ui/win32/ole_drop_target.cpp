#include "ui/win32/ole_drop_target.h"

#include <shldisp.h>
#include <shlobj.h>

#include <cstddef>
#include <cstring>

#include "mail/mail_file.h"

#include "platform/win32/dropped_files.h"
#include "platform/win32/global_text.h"
#include "platform/win32/scoped_win32.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_outlook_items.h"

namespace vorenta {

namespace {

FORMATETC TextFormat(CLIPFORMAT format) {
  return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

std::optional<std::u16string> ReadFormat(IDataObject* data, CLIPFORMAT format) {
  FORMATETC wanted = TextFormat(format);
  StorageMedium medium;
  if (FAILED(data->GetData(&wanted, medium.out()))) return std::nullopt;
  if (medium.get().tymed != TYMED_HGLOBAL) return std::nullopt;
  return format == CF_UNICODETEXT ? ReadWideText(medium.get().hGlobal)
                                  : ReadAnsiText(medium.get().hGlobal);
}

// The text is copied in; the source keeps its own.
DWORD ChosenEffect(DWORD offered) {
  if (offered & DROPEFFECT_COPY) return DROPEFFECT_COPY;
  if (offered & DROPEFFECT_MOVE) return DROPEFFECT_MOVE;
  if (offered & DROPEFFECT_LINK) return DROPEFFECT_LINK;
  return DROPEFFECT_NONE;
}

}  // namespace

bool Win32DropData::OffersText() const {
  if (!data_) return false;
  FORMATETC wide = TextFormat(CF_UNICODETEXT);
  FORMATETC ansi = TextFormat(CF_TEXT);
  return data_->QueryGetData(&wide) == S_OK || data_->QueryGetData(&ansi) == S_OK;
}

std::optional<std::u16string> Win32DropData::Text() const {
  if (!data_) return std::nullopt;
  if (auto text = ReadFormat(data_, CF_UNICODETEXT)) return text;
  return ReadFormat(data_, CF_TEXT);
}

std::optional<std::string> Win32DropData::Html() const {
  if (!data_ || !HtmlClipboardFormat()) return std::nullopt;
  FORMATETC wanted = TextFormat(static_cast<CLIPFORMAT>(HtmlClipboardFormat()));
  StorageMedium medium;
  if (FAILED(data_->GetData(&wanted, medium.out()))) return std::nullopt;
  if (medium.get().tymed != TYMED_HGLOBAL) return std::nullopt;
  const LockedGlobal block(medium.get().hGlobal);
  if (!block.data()) return std::nullopt;
  return std::string(static_cast<const char*>(block.data()), block.size());
}

std::vector<std::u16string> Win32DropData::FileNames() const {
  if (!data_) return {};
  FORMATETC wanted = TextFormat(CF_HDROP);
  StorageMedium medium;
  if (FAILED(data_->GetData(&wanted, medium.out()))) return {};
  if (medium.get().tymed != TYMED_HGLOBAL) return {};
  return FileNamesOf(static_cast<HDROP>(medium.get().hGlobal));
}

namespace {

CLIPFORMAT Registered(const wchar_t* name) {
  return static_cast<CLIPFORMAT>(RegisterClipboardFormatW(name));
}

std::optional<std::string> GlobalBytes(HGLOBAL memory) {
  const LockedGlobal block(memory);
  if (!block.data()) return std::nullopt;
  return std::string(static_cast<const char*>(block.data()), block.size());
}

// A stream read to its end; one byte past the limit tells a message too
// large to show.
std::optional<std::string> StreamBytes(IStream* stream) {
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    ULONG read = 0;
    const HRESULT result = stream->Read(buffer, sizeof buffer, &read);
    if (FAILED(result)) return std::nullopt;
    bytes.append(buffer, read);
    if (read == 0 || result == S_FALSE || bytes.size() > kMaxMailFileBytes) return bytes;
  }
}

struct Descriptor {
  std::u16string name;
  std::optional<std::uint64_t> size;
};

template <typename Group>
std::vector<Descriptor> DescriptorsOf(const Group* group, SIZE_T bytes) {
  std::vector<Descriptor> descriptors;
  if (!group || bytes < sizeof(UINT)) return descriptors;
  const SIZE_T fits = (bytes - offsetof(Group, fgd)) / sizeof(group->fgd[0]);
  for (UINT i = 0; i < group->cItems && i < fits; ++i) {
    const auto& file = group->fgd[i];
    Descriptor descriptor;
    if constexpr (sizeof(file.cFileName[0]) == sizeof(wchar_t)) {
      descriptor.name = FromWide(file.cFileName, wcsnlen(file.cFileName, MAX_PATH));
    } else {
      descriptor.name =
          AnsiToWide(file.cFileName, static_cast<int>(strnlen(file.cFileName, MAX_PATH)));
    }
    if (file.dwFlags & FD_FILESIZE) {
      descriptor.size = (static_cast<std::uint64_t>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
    }
    descriptors.push_back(std::move(descriptor));
  }
  return descriptors;
}

std::vector<Descriptor> Descriptors(IDataObject* data) {
  for (const bool wide : {true, false}) {
    FORMATETC wanted = TextFormat(Registered(wide ? CFSTR_FILEDESCRIPTORW : CFSTR_FILEDESCRIPTORA));
    StorageMedium medium;
    if (FAILED(data->GetData(&wanted, medium.out())) || medium.get().tymed != TYMED_HGLOBAL) {
      continue;
    }
    const LockedGlobal block(medium.get().hGlobal);
    if (wide) {
      return DescriptorsOf(static_cast<const FILEGROUPDESCRIPTORW*>(block.data()), block.size());
    }
    return DescriptorsOf(static_cast<const FILEGROUPDESCRIPTORA*>(block.data()), block.size());
  }
  return {};
}

}  // namespace

std::vector<std::u16string> Win32DropData::MessageNames() const {
  std::vector<std::u16string> names;
  if (!data_) return names;
  for (Descriptor& descriptor : Descriptors(data_)) names.push_back(std::move(descriptor.name));
  return names;
}

std::optional<DraggedMessage> Win32DropData::Message(int index) const {
  if (!data_ || index < 0) return std::nullopt;
  const std::vector<Descriptor> descriptors = Descriptors(data_);
  if (index >= static_cast<int>(descriptors.size())) return std::nullopt;
  FORMATETC wanted{Registered(CFSTR_FILECONTENTS), nullptr, DVASPECT_CONTENT, index,
                   TYMED_HGLOBAL | TYMED_ISTREAM | TYMED_ISTORAGE};
  StorageMedium medium;
  if (FAILED(data_->GetData(&wanted, medium.out()))) return std::nullopt;
  DraggedMessage message{descriptors[static_cast<size_t>(index)].name, {}, std::nullopt};
  const STGMEDIUM& got = medium.get();
  if (got.tymed == TYMED_ISTORAGE) {
    message.item = ReadStorageStreams(got.pstg);
    if (!message.item) return std::nullopt;
    return message;
  }
  std::optional<std::string> bytes = got.tymed == TYMED_HGLOBAL   ? GlobalBytes(got.hGlobal)
                                     : got.tymed == TYMED_ISTREAM ? StreamBytes(got.pstm)
                                                                  : std::nullopt;
  if (!bytes) return std::nullopt;
  // A block may be larger than the file it holds.
  const auto& size = descriptors[static_cast<size_t>(index)].size;
  if (got.tymed == TYMED_HGLOBAL && size && *size < bytes->size()) {
    bytes->resize(static_cast<size_t>(*size));
  }
  message.bytes = std::move(*bytes);
  return message;
}

ListDropTarget::ListDropTarget(DropHandler on_drop, DropQuestion accepts)
    : on_drop_(std::move(on_drop)), accepts_(std::move(accepts)) {}

HRESULT ListDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  accepting_ = data && accepts_ && accepts_(Win32DropData(data));
  if (effect) *effect = accepting_ ? ChosenEffect(*effect) : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT ListDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  if (effect) *effect = accepting_ ? ChosenEffect(*effect) : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT ListDropTarget::DragLeave() {
  accepting_ = false;
  return S_OK;
}

HRESULT ListDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  const Win32DropData dropped(data);
  const bool take = accepting_ && data && accepts_ && accepts_(dropped);
  accepting_ = false;
  if (effect) *effect = take ? ChosenEffect(*effect) : DROPEFFECT_NONE;
  if (!take || !on_drop_) return S_OK;
  // New Outlook extracts only when asked to, asynchronously: the drop is
  // read here and the source told when that is done.
  ComRef<IDataObjectAsyncCapability> async;
  BOOL is_async = FALSE;
  if (SUCCEEDED(data->QueryInterface(IID_IDataObjectAsyncCapability,
                                     reinterpret_cast<void**>(async.out()))) &&
      SUCCEEDED(async->GetAsyncMode(&is_async)) && is_async) {
    async->StartOperation(nullptr);
    on_drop_(dropped);
    async->EndOperation(S_OK, nullptr, effect ? *effect : DROPEFFECT_COPY);
    return S_OK;
  }
  on_drop_(dropped);
  return S_OK;
}

}  // namespace vorenta
