#include "ui/win32/ole_text_source.h"

#include <shlobj.h>

#include "platform/win32/global_text.h"

namespace vorenta {

namespace {

constexpr FORMATETC kOffered[] = {
    {CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
    {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
};

bool IsOffered(const FORMATETC* format) {
  if (!format) return false;
  for (const FORMATETC& offered : kOffered) {
    if (format->cfFormat == offered.cfFormat && (format->tymed & TYMED_HGLOBAL) &&
        format->dwAspect == DVASPECT_CONTENT) {
      return true;
    }
  }
  return false;
}

}  // namespace

HRESULT TextDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (!medium) return E_POINTER;
  if (!IsOffered(format)) return DV_E_FORMATETC;
  HGLOBAL memory = format->cfFormat == CF_UNICODETEXT ? MakeWideText(text_) : MakeAnsiText(text_);
  if (!memory) return E_OUTOFMEMORY;
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = memory;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT TextDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

HRESULT TextDataObject::QueryGetData(FORMATETC* format) {
  return IsOffered(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT TextDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (out) out->ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT TextDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

HRESULT TextDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
  if (!formats) return E_POINTER;
  *formats = nullptr;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  return SHCreateStdEnumFmtEtc(static_cast<UINT>(std::size(kOffered)), kOffered, formats);
}

HRESULT TextDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TextDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT TextDataObject::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT LeftButtonDropSource::QueryContinueDrag(BOOL escape_pressed, DWORD keys) {
  if (escape_pressed) return DRAGDROP_S_CANCEL;
  if (!(keys & MK_LBUTTON)) return DRAGDROP_S_DROP;
  return S_OK;
}

HRESULT LeftButtonDropSource::GiveFeedback(DWORD) { return DRAGDROP_S_USEDEFAULTCURSORS; }

DWORD DragText(const std::u16string& text) {
  auto* data = new TextDataObject(text);
  auto* source = new LeftButtonDropSource();
  DWORD effect = DROPEFFECT_NONE;
  if (DoDragDrop(data, source, DROPEFFECT_COPY, &effect) != DRAGDROP_S_DROP) {
    effect = DROPEFFECT_NONE;
  }
  source->Release();
  data->Release();
  return effect;
}

}  // namespace vorenta
