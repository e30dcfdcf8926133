#pragma once
// Dragging text out of a window: a data object that offers one text as
// CF_UNICODETEXT and CF_TEXT, and a drop source that follows the left button.

#include <windows.h>

#include <ole2.h>

#include <string>

#include "ui/win32/com_object.h"

namespace vorenta {

class TextDataObject : public ComObject<IDataObject> {
 public:
  explicit TextDataObject(std::u16string text) : text_(std::move(text)) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                                    DWORD* connection) override;
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** advisers) override;

 private:
  std::u16string text_;
};

class LeftButtonDropSource : public ComObject<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape_pressed, DWORD keys) override;
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;
};

// Runs the drag until the button is released or Escape pressed; the effect
// the target chose, DROPEFFECT_NONE when nothing took it.
DWORD DragText(const std::u16string& text);

}  // namespace vorenta
