#include "ui/win32/ole_drop_target.h"

#include "platform/win32/dropped_files.h"
#include "platform/win32/global_text.h"
#include "platform/win32/scoped_win32.h"

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

MailDropTarget::MailDropTarget(DropHandler on_drop, DropQuestion accepts)
    : on_drop_(std::move(on_drop)), accepts_(std::move(accepts)) {}

HRESULT MailDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  accepting_ = data && accepts_ && accepts_(Win32DropData(data));
  if (effect) *effect = accepting_ ? ChosenEffect(*effect) : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT MailDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  if (effect) *effect = accepting_ ? ChosenEffect(*effect) : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT MailDropTarget::DragLeave() {
  accepting_ = false;
  return S_OK;
}

HRESULT MailDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  const Win32DropData dropped(data);
  const bool take = accepting_ && data && accepts_ && accepts_(dropped);
  accepting_ = false;
  if (effect) *effect = take ? ChosenEffect(*effect) : DROPEFFECT_NONE;
  if (take && on_drop_) on_drop_(dropped);
  return S_OK;
}

}  // namespace vorenta
