#pragma once
// Scoped guards for the Win32 resources the program takes: each gives back
// what it holds when it goes out of scope, whichever way the scope is left.

#include <windows.h>

#include <ole2.h>

namespace vorenta {

// A kernel handle: a file, a folder, a process, a mutex. Both
// INVALID_HANDLE_VALUE and null count as none.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE h) : h_(h) {}
  ~UniqueHandle() { Close(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  bool ok() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE get() const { return h_; }
  void Reset(HANDLE h) {
    Close();
    h_ = h;
  }
  // Closes now; false when closing failed (a write the system could not
  // finish shows up here).
  bool Close() {
    if (!ok()) return true;
    const bool closed = CloseHandle(h_) != FALSE;
    h_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE h_ = INVALID_HANDLE_VALUE;
};

// A search of a folder (FindFirstFileW and its kin).
class FindHandle {
 public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  ~FindHandle() {
    if (ok()) FindClose(h_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

// Memory the system allocated with LocalAlloc for us (FormatMessageW).
template <typename T>
class LocalMemory {
 public:
  LocalMemory() = default;
  ~LocalMemory() {
    if (p_) LocalFree(p_);
  }
  LocalMemory(const LocalMemory&) = delete;
  LocalMemory& operator=(const LocalMemory&) = delete;
  T* get() const { return p_; }
  // Where the system writes the pointer.
  T** out() { return &p_; }

 private:
  T* p_ = nullptr;
};

// A movable global memory block, locked for the guard's lifetime.
class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL memory)
      : memory_(memory),
        data_(memory ? GlobalLock(memory) : nullptr),
        size_(data_ ? GlobalSize(memory) : 0) {}
  ~LockedGlobal() {
    if (data_) GlobalUnlock(memory_);
  }
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;

  void* data() const { return data_; }
  SIZE_T size() const { return size_; }

 private:
  HGLOBAL memory_;
  void* data_;
  SIZE_T size_;
};

// The clipboard, opened by the caller; closed by the guard.
class ClipboardOpened {
 public:
  ClipboardOpened() = default;
  ~ClipboardOpened() { CloseClipboard(); }
  ClipboardOpened(const ClipboardOpened&) = delete;
  ClipboardOpened& operator=(const ClipboardOpened&) = delete;
};

// What a data object handed over (IDataObject::GetData).
class StorageMedium {
 public:
  StorageMedium() = default;
  ~StorageMedium() { ReleaseStgMedium(&medium_); }
  StorageMedium(const StorageMedium&) = delete;
  StorageMedium& operator=(const StorageMedium&) = delete;
  STGMEDIUM* out() { return &medium_; }
  const STGMEDIUM& get() const { return medium_; }

 private:
  STGMEDIUM medium_{};
};

// A window's device context, with a font selected into it while it is held.
class WindowDc {
 public:
  WindowDc(HWND window, HGDIOBJ font)
      : window_(window),
        dc_(GetDC(window)),
        old_font_(dc_ && font ? SelectObject(dc_, font) : nullptr) {}
  ~WindowDc() {
    if (!dc_) return;
    if (old_font_) SelectObject(dc_, old_font_);
    ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
  HGDIOBJ old_font_;
};

// A font selected into a device context someone else holds (a WM_DRAWITEM's).
class FontSelected {
 public:
  FontSelected(HDC dc, HGDIOBJ font) : dc_(dc), old_(font ? SelectObject(dc, font) : nullptr) {}
  ~FontSelected() {
    if (old_) SelectObject(dc_, old_);
  }
  FontSelected(const FontSelected&) = delete;
  FontSelected& operator=(const FontSelected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Painting off while a control changes, then one repaint of the whole of it.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(HWND control) : control_(control) {
    SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawSuspended() {
    SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(control_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
  }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;

 private:
  HWND control_;
};

// One reference to a COM object, released with the guard.
template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() { Reset(); }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  Interface* get() const { return p_; }
  Interface* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Where a call that hands out a reference writes it; the old one goes.
  Interface** out() {
    Reset();
    return &p_;
  }
  void Reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }

 private:
  Interface* p_ = nullptr;
};

// A string COM allocated for us (a STATSTG's name).
class CoTaskString {
 public:
  explicit CoTaskString(wchar_t* text) : text_(text) {}
  ~CoTaskString() { CoTaskMemFree(text_); }
  CoTaskString(const CoTaskString&) = delete;
  CoTaskString& operator=(const CoTaskString&) = delete;
  const wchar_t* get() const { return text_; }

 private:
  wchar_t* text_;
};

// OLE on this thread, for drag and drop and the shell.
class OleSession {
 public:
  OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (ok_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

// A window's painting, from BeginPaint to EndPaint.
class Painting {
 public:
  explicit Painting(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~Painting() { EndPaint(window_, &paint_); }
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A menu made for one showing, destroyed with its items.
class UniqueMenu {
 public:
  explicit UniqueMenu(HMENU menu) : menu_(menu) {}
  ~UniqueMenu() {
    if (menu_) DestroyMenu(menu_);
  }
  UniqueMenu(const UniqueMenu&) = delete;
  UniqueMenu& operator=(const UniqueMenu&) = delete;
  HMENU get() const { return menu_; }

 private:
  HMENU menu_;
};

}  // namespace vorenta
