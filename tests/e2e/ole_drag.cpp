#include "ole_drag.h"

#include <ole2.h>
#include <shlobj.h>

#include <atomic>

#include "fake_data_object.h"
#include "real_input.h"
#include "text_convert.h"
#include "wait_until.h"
#include "windows_of_process.h"

namespace vorenta_e2e {

namespace {

class DropSource final : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDropSource) {
      *out = static_cast<IDropSource*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  // Lives on the drag thread's stack for the whole DoDragDrop.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD key_state) override {
    if (escape) return DRAGDROP_S_CANCEL;
    if (!(key_state & MK_LBUTTON)) return DRAGDROP_S_DROP;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    effects_seen |= effect;
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }

  DWORD effects_seen = DROPEFFECT_NONE;
};

struct DragJob {
  std::vector<OfferedFormat> formats;
  POINT from{};
  std::atomic<HWND> source_window{nullptr};
  std::atomic<bool> started{false};
  DragOutcome outcome;
};

constexpr wchar_t kSourceClass[] = L"VorentaE2eDragSource";

LRESULT CALLBACK SourceWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_LBUTTONDOWN) {
    auto* job = reinterpret_cast<DragJob*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    auto* data = new vorenta::testing::FakeDataObject();
    for (const OfferedFormat& offered : job->formats) {
      if (offered.tymed == TYMED_ISTREAM) {
        data->OfferStream(offered.format, offered.bytes);
      } else if (offered.tymed == TYMED_ISTORAGE) {
        data->OfferStorage(offered.format, offered.streams);
      } else {
        data->Offer(offered.format, offered.bytes);
      }
    }
    DropSource source;
    job->started = true;
    job->outcome.started = true;
    job->outcome.result =
        DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &job->outcome.effect);
    job->outcome.effects_offered_by_target = source.effects_seen;
    data->Release();
    DestroyWindow(hwnd);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

DWORD WINAPI DragThread(void* param) {
  auto* job = static_cast<DragJob*>(param);
  OleInitialize(nullptr);
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = SourceWindowProc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = kSourceClass;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1);
  RegisterClassW(&window_class);
  HWND hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kSourceClass, L"drag source",
                              WS_POPUP | WS_VISIBLE, job->from.x - 20, job->from.y - 20, 40, 40,
                              nullptr, nullptr, window_class.hInstance, nullptr);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(job));
  job->source_window = hwnd;
  vorenta::testing::RunMessageLoop();
  OleUninitialize();
  return 0;
}

std::string Bytes(const void* data, size_t size) {
  return std::string(static_cast<const char*>(data), size);
}

}  // namespace

OfferedFormat UnicodeText(const std::u16string& text) {
  const std::wstring wide = Wide(text);
  return {CF_UNICODETEXT, Bytes(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t))};
}

OfferedFormat AnsiText(const std::string& bytes) {
  return {CF_TEXT, Bytes(bytes.c_str(), bytes.size() + 1)};
}

OfferedFormat DroppedFiles(const std::vector<std::wstring>& paths) {
  return {CF_HDROP, vorenta::testing::DroppedFilesBytes(paths)};
}

namespace {

OfferedFormat Descriptor(const std::wstring& name) {
  FILEGROUPDESCRIPTORW group{};
  group.cItems = 1;
  group.fgd[0].dwFlags = FD_ATTRIBUTES;
  group.fgd[0].dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
  name.copy(group.fgd[0].cFileName, MAX_PATH - 1);
  return {static_cast<CLIPFORMAT>(RegisterClipboardFormatW(CFSTR_FILEDESCRIPTORW)),
          Bytes(&group, sizeof group)};
}

CLIPFORMAT FileContents() {
  return static_cast<CLIPFORMAT>(RegisterClipboardFormatW(CFSTR_FILECONTENTS));
}

}  // namespace

std::vector<OfferedFormat> DraggedMessageStream(const std::wstring& name,
                                                const std::string& bytes) {
  return {Descriptor(name), {FileContents(), bytes, TYMED_ISTREAM}};
}

std::vector<OfferedFormat> DraggedMessageStorage(
    const std::wstring& name, const std::vector<std::pair<std::wstring, std::string>>& streams) {
  return {Descriptor(name), {FileContents(), {}, TYMED_ISTORAGE, streams}};
}

DragOutcome DragAndDrop(const std::vector<OfferedFormat>& formats, POINT from, POINT to) {
  DragJob job;
  job.formats = formats;
  job.from = from;
  HANDLE thread = CreateThread(nullptr, 0, DragThread, &job, 0, nullptr);
  if (!thread) return job.outcome;
  if (WaitUntil([&] { return job.source_window.load() != nullptr; }, std::chrono::seconds(5))) {
    PumpFor(std::chrono::milliseconds(200));
    MoveMouse(from);
    ButtonDown(MouseButton::kLeft);
    if (WaitUntil([&] { return job.started.load(); }, std::chrono::seconds(5))) {
      PumpFor(std::chrono::milliseconds(200));
      GlideMouse(from, to, 12);
      // A few moves on the spot: the target answers DragOver to each.
      for (int i = 0; i < 4; ++i) {
        GlideMouse(to, POINT{to.x + (i % 2 ? -3 : 3), to.y}, 1);
        PumpFor(std::chrono::milliseconds(80));
      }
    }
    ButtonUp(MouseButton::kLeft);
  }
  job.outcome.finished = WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
  if (!job.outcome.finished) {
    PressKey(VK_ESCAPE);
    // The thread touches `job` until it ends; it must not outlive it.
    WaitForSingleObject(thread, INFINITE);
  }
  CloseHandle(thread);
  return job.outcome;
}

POINT BesideWindow(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int screen_width = GetSystemMetrics(SM_CXSCREEN);
  return rect.right + 60 < screen_width ? POINT{rect.right + 40, rect.top + 60}
                                        : POINT{rect.left - 40, rect.top + 60};
}

}  // namespace vorenta_e2e
