#include "fake_data_object.h"

#include <shlobj.h>

#include <cstring>

namespace vorenta::testing {

namespace {

IStream* StreamWithBytes(const std::string& bytes) {
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return nullptr;
  ULONG written = 0;
  stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
  const LARGE_INTEGER start{};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  return stream;
}

IStorage* StorageWithStreams(const FakeDataObject::Streams& streams) {
  ILockBytes* bytes = nullptr;
  if (FAILED(CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes))) return nullptr;
  IStorage* storage = nullptr;
  const HRESULT made = StgCreateDocfileOnILockBytes(
      bytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &storage);
  bytes->Release();
  if (FAILED(made)) return nullptr;
  for (const auto& [name, content] : streams) {
    IStream* stream = nullptr;
    if (FAILED(storage->CreateStream(name.c_str(), STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE,
                                     0, 0, &stream))) {
      continue;
    }
    ULONG written = 0;
    stream->Write(content.data(), static_cast<ULONG>(content.size()), &written);
    stream->Release();
  }
  storage->Commit(STGC_DEFAULT);
  return storage;
}

}  // namespace

const FakeDataObject::Offered* FakeDataObject::Find(const FORMATETC* wanted) const {
  if (!wanted || wanted->dwAspect != DVASPECT_CONTENT) return nullptr;
  for (const Offered& offered : formats_) {
    if (offered.format == wanted->cfFormat && (wanted->tymed & offered.tymed)) return &offered;
  }
  return nullptr;
}

HRESULT FakeDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  ++get_data_calls_;
  const Offered* offered = Find(format);
  if (!offered) return DV_E_FORMATETC;
  medium->tymed = offered->tymed;
  medium->pUnkForRelease = nullptr;
  switch (offered->tymed) {
    case TYMED_ISTREAM:
      medium->pstm = StreamWithBytes(offered->bytes);
      return medium->pstm ? S_OK : E_OUTOFMEMORY;
    case TYMED_ISTORAGE:
      medium->pstg = StorageWithStreams(offered->streams);
      return medium->pstg ? S_OK : E_OUTOFMEMORY;
    default:
      medium->hGlobal = GlobalWithBytes(offered->bytes);
      return medium->hGlobal ? S_OK : E_OUTOFMEMORY;
  }
}

HRESULT FakeDataObject::QueryGetData(FORMATETC* format) {
  if (!format || !(format->tymed & (TYMED_HGLOBAL | TYMED_ISTREAM | TYMED_ISTORAGE))) {
    return DV_E_TYMED;
  }
  return Find(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT FakeDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (out) out->ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT FakeDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
  if (direction != DATADIR_GET) return E_NOTIMPL;
  std::vector<FORMATETC> list;
  for (const Offered& offered : formats_) {
    list.push_back(FORMATETC{offered.format, nullptr, DVASPECT_CONTENT, -1, offered.tymed});
  }
  return SHCreateStdEnumFmtEtc(static_cast<UINT>(list.size()), list.data(), out);
}

std::string DroppedFilesBytes(const std::vector<std::wstring>& paths) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::wstring names;
  for (const std::wstring& path : paths) names += path + L'\0';
  names += L'\0';
  return std::string(reinterpret_cast<const char*>(&header), sizeof header) +
         std::string(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t));
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
