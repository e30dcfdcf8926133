#pragma once
// Shared pieces of the Win32-layer tests: a plain window to put controls on,
// message pumping, and a data object that offers chosen formats.

#include <windows.h>

#include <ole2.h>

#include <map>
#include <string>

#include "ui/win32/com_object.h"

namespace vorenta::testing {

// A top-level window of a plain class, destroyed with the object.
class HostWindow {
 public:
  explicit HostWindow(bool visible = false);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// Handles whatever is queued for this thread, without waiting.
void PumpMessages();

// The rectangle of a child in its parent's client pixels.
RECT ChildRect(HWND child);

// Serves each registered format as an HGLOBAL holding exactly the bytes
// given: no terminating NUL is added.
class FakeDataObject : public ComObject<IDataObject> {
 public:
  void Offer(CLIPFORMAT format, std::string bytes) { formats_[format] = std::move(bytes); }
  int get_data_calls() const { return get_data_calls_; }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  std::map<CLIPFORMAT, std::string> formats_;
  int get_data_calls_ = 0;
};

// A block of global memory with exactly these bytes.
HGLOBAL GlobalWithBytes(const std::string& bytes);

// UTF-16 text as the bytes of a CF_UNICODETEXT block, without a NUL.
std::string WideBytes(const std::u16string& text);

}  // namespace vorenta::testing
