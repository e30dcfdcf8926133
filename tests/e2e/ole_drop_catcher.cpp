#include "ole_drop_catcher.h"

#include <ole2.h>

#include "ui/win32/com_object.h"

#include "text_convert.h"
#include "windows_of_process.h"

namespace vorenta_e2e {

namespace {

FORMATETC UnicodeTextFormat() {
  return FORMATETC{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

class TextDropTarget final : public vorenta::ComObject<IDropTarget> {
 public:
  explicit TextDropTarget(DropCatcher& catcher) : catcher_(catcher) {}

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    FORMATETC format = UnicodeTextFormat();
    has_text_ = data->QueryGetData(&format) == S_OK;
    *effect = has_text_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = has_text_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    FORMATETC format = UnicodeTextFormat();
    STGMEDIUM medium{};
    if (data->GetData(&format, &medium) != S_OK) return S_OK;
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(medium.hGlobal))) {
      const size_t capacity = GlobalSize(medium.hGlobal) / sizeof(wchar_t);
      size_t length = 0;
      while (length < capacity && chars[length] != L'\0') ++length;
      catcher_.Receive(U16(std::wstring(chars, length)));
      GlobalUnlock(medium.hGlobal);
      *effect = DROPEFFECT_COPY;
    }
    ReleaseStgMedium(&medium);
    return S_OK;
  }

 private:
  DropCatcher& catcher_;
  bool has_text_ = false;
};

constexpr wchar_t kCatcherClass[] = L"VorentaE2eDropCatcher";

}  // namespace

DropCatcher::DropCatcher(const RECT& area) : area_(area) {
  created_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  if (thread_) WaitForSingleObject(created_, 5000);
}

DropCatcher::~DropCatcher() {
  if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
  if (thread_) {
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
  }
  CloseHandle(created_);
}

POINT DropCatcher::center() const {
  return POINT{(area_.left + area_.right) / 2, (area_.top + area_.bottom) / 2};
}

std::optional<std::u16string> DropCatcher::dropped_text() const {
  std::lock_guard lock(mutex_);
  return text_;
}

void DropCatcher::Receive(std::u16string text) {
  std::lock_guard lock(mutex_);
  text_ = std::move(text);
}

DWORD WINAPI DropCatcher::Run(void* param) {
  auto* self = static_cast<DropCatcher*>(param);
  OleInitialize(nullptr);
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
      RevokeDragDrop(hwnd);
      PostQuitMessage(0);
      return LRESULT{0};
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
  };
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = kCatcherClass;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1);
  RegisterClassW(&window_class);
  const RECT& a = self->area_;
  HWND hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kCatcherClass, L"drop catcher",
                              WS_POPUP | WS_VISIBLE, a.left, a.top, a.right - a.left,
                              a.bottom - a.top, nullptr, nullptr, window_class.hInstance, nullptr);
  auto* target = new TextDropTarget(*self);
  if (hwnd && RegisterDragDrop(hwnd, target) == S_OK) self->window_ = hwnd;
  target->Release();
  SetEvent(self->created_);
  vorenta::testing::RunMessageLoop();
  OleUninitialize();
  return 0;
}

}  // namespace vorenta_e2e
