#pragma once
// What is dropped onto a list by OLE drag and drop (the mail pane: text,
// HTML, files, messages; the keyword list: files). The window logic decides
// what it takes; what it refuses gets the no-drop cursor and never reaches
// the handler.

#include <windows.h>

#include <ole2.h>

#include <functional>

#include "ui/platform.h"
#include "ui/win32/com_object.h"

namespace vorenta {

// The data of one dropped data object, read when asked for.
class Win32DropData : public DropData {
 public:
  explicit Win32DropData(IDataObject* data) : data_(data) {}
  bool OffersText() const override;
  // CF_UNICODETEXT, else CF_TEXT.
  std::optional<std::u16string> Text() const override;
  std::optional<std::string> Html() const override;
  std::vector<std::u16string> FileNames() const override;
  // FileGroupDescriptorW, else the ANSI FileGroupDescriptor.
  std::vector<std::u16string> MessageNames() const override;
  // FileContents of that index, handed over in global memory, a stream or
  // (Outlook's items) a storage.
  std::optional<DraggedMessage> Message(int index) const override;

 private:
  IDataObject* data_;
};

class ListDropTarget : public ComObject<IDropTarget> {
 public:
  using DropHandler = std::function<void(const DropData&)>;
  using DropQuestion = std::function<bool(const DropData&)>;
  // `accepts` says whether a drop would be taken; asked when a drag enters
  // and again at the drop. A source that extracts asynchronously (new
  // Outlook) is told when the drop has been read.
  ListDropTarget(DropHandler on_drop, DropQuestion accepts);

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  DropHandler on_drop_;
  DropQuestion accepts_;
  bool accepting_ = false;
};

}  // namespace vorenta
