#pragma once
// A data object that offers chosen formats, as another program's drag or
// copy would: each as an HGLOBAL holding exactly the bytes given (no NUL is
// added), or as a stream of them, or as a storage of named streams, as mail
// programs hand over the messages they drag.

#include <windows.h>

#include <ole2.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/win32/com_object.h"

namespace vorenta::testing {

class FakeDataObject : public ComObject<IDataObject> {
 public:
  FakeDataObject() = default;
  using Streams = std::vector<std::pair<std::wstring, std::string>>;

  void Offer(CLIPFORMAT format, std::string bytes) {
    formats_.push_back({format, TYMED_HGLOBAL, std::move(bytes), {}});
  }
  void OfferStream(CLIPFORMAT format, std::string bytes) {
    formats_.push_back({format, TYMED_ISTREAM, std::move(bytes), {}});
  }
  void OfferStorage(CLIPFORMAT format, Streams streams) {
    formats_.push_back({format, TYMED_ISTORAGE, {}, std::move(streams)});
  }
  int get_data_calls() const { return get_data_calls_; }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  struct Offered {
    CLIPFORMAT format;
    DWORD tymed;
    std::string bytes;
    Streams streams;
  };
  const Offered* Find(const FORMATETC* wanted) const;

  std::vector<Offered> formats_;
  int get_data_calls_ = 0;
};

// A block of global memory with exactly these bytes.
HGLOBAL GlobalWithBytes(const std::string& bytes);

// The bytes of CF_HDROP for these full names, as Explorer gives them.
std::string DroppedFilesBytes(const std::vector<std::wstring>& paths);

}  // namespace vorenta::testing
