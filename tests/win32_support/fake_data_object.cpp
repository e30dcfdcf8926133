#include "fake_data_object.h"

#include <shlobj.h>

#include <cstring>

namespace vorenta::testing {

const std::string* FakeDataObject::Find(const FORMATETC* wanted) const {
  if (!wanted || !(wanted->tymed & TYMED_HGLOBAL) || wanted->dwAspect != DVASPECT_CONTENT) {
    return nullptr;
  }
  for (const auto& [format, bytes] : formats_) {
    if (format == wanted->cfFormat) return &bytes;
  }
  return nullptr;
}

HRESULT FakeDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  ++get_data_calls_;
  const std::string* bytes = Find(format);
  if (!bytes) return DV_E_FORMATETC;
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = GlobalWithBytes(*bytes);
  medium->pUnkForRelease = nullptr;
  return medium->hGlobal ? S_OK : E_OUTOFMEMORY;
}

HRESULT FakeDataObject::QueryGetData(FORMATETC* format) {
  if (!format || !(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
  return Find(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT FakeDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (out) out->ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT FakeDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
  if (direction != DATADIR_GET) return E_NOTIMPL;
  std::vector<FORMATETC> list;
  for (const auto& offered : formats_) {
    list.push_back(FORMATETC{offered.first, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
  }
  return SHCreateStdEnumFmtEtc(static_cast<UINT>(list.size()), list.data(), out);
}

HGLOBAL GlobalWithBytes(const std::string& bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return nullptr;
  if (!bytes.empty()) {
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
  }
  return memory;
}

}  // namespace vorenta::testing
