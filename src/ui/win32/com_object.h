#pragma once
// Reference counting and QueryInterface for a COM object that implements one
// interface. Objects start with one reference held by their creator and are
// deleted by their last Release.

#include <windows.h>

#include <unknwn.h>

#include <atomic>

namespace vorenta {

template <class Interface>
class ComObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, __uuidof(Interface))) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;

 private:
  // Atomic so that objects handed to another thread (a drag loop) stay safe.
  std::atomic<ULONG> references_{1};
};

}  // namespace vorenta
