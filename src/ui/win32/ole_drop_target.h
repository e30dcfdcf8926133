#pragma once
// Text dropped onto a window by OLE drag and drop. A data object without
// text is refused with the no-drop cursor and never reaches the handler.

#include <windows.h>

#include <ole2.h>

#include <functional>

#include "ui/platform.h"
#include "ui/win32/com_object.h"

namespace vorenta {

// The text of one dropped data object: CF_UNICODETEXT, else CF_TEXT.
class Win32DropData : public DropData {
 public:
  explicit Win32DropData(IDataObject* data) : data_(data) {}
  std::optional<std::u16string> Text() const override;

 private:
  IDataObject* data_;
};

bool OffersText(IDataObject* data);

class TextDropTarget : public ComObject<IDropTarget> {
 public:
  using DropHandler = std::function<void(const DropData&)>;
  // While `refuse` says true every drop is refused (a drag the window
  // started itself, for instance).
  TextDropTarget(DropHandler on_drop, std::function<bool()> refuse);

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  DropHandler on_drop_;
  std::function<bool()> refuse_;
  bool accepting_ = false;
};

}  // namespace vorenta
