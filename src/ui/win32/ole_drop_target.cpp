#include "ui/win32/ole_drop_target.h"

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

std::optional<std::u16string> Win32DropData::Text() const {
  if (!data_) return std::nullopt;
  if (auto text = ReadFormat(data_, CF_UNICODETEXT)) return text;
  return ReadFormat(data_, CF_TEXT);
}

bool OffersText(IDataObject* data) {
  if (!data) return false;
  FORMATETC wide = TextFormat(CF_UNICODETEXT);
  FORMATETC ansi = TextFormat(CF_TEXT);
  return data->QueryGetData(&wide) == S_OK || data->QueryGetData(&ansi) == S_OK;
}

TextDropTarget::TextDropTarget(DropHandler on_drop, std::function<bool()> refuse)
    : on_drop_(std::move(on_drop)), refuse_(std::move(refuse)) {}

HRESULT TextDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  accepting_ = !(refuse_ && refuse_()) && OffersText(data);
  if (effect) *effect = accepting_ ? ChosenEffect(*effect) : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT TextDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  if (effect) *effect = accepting_ ? ChosenEffect(*effect) : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT TextDropTarget::DragLeave() {
  accepting_ = false;
  return S_OK;
}

HRESULT TextDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  const bool take = accepting_ && !(refuse_ && refuse_()) && OffersText(data);
  accepting_ = false;
  if (effect) *effect = take ? ChosenEffect(*effect) : DROPEFFECT_NONE;
  if (take && on_drop_) on_drop_(Win32DropData(data));
  return S_OK;
}

}  // namespace vorenta
