#pragma once
// An OLE drag started in the driver and dropped onto another window, moved by
// real mouse input like a user's drag from another program.

#include <windows.h>
// After windows.h, which it builds on.
#include <ole2.h>

#include <string>
#include <vector>

namespace vorenta_e2e {

struct OfferedFormat {
  CLIPFORMAT format;
  std::string bytes;  // the HGLOBAL's or the stream's content, terminator included
  DWORD tymed = TYMED_HGLOBAL;
  // TYMED_ISTORAGE: the storage's streams by name.
  std::vector<std::pair<std::wstring, std::string>> streams = {};
};

OfferedFormat UnicodeText(const std::u16string& text);
OfferedFormat AnsiText(const std::string& bytes);
// Files as Explorer drags them (CF_HDROP, wide names).
OfferedFormat DroppedFiles(const std::vector<std::wstring>& paths);
// A message dragged out of a mail program's list: its name in a file
// descriptor, its contents as a stream (Thunderbird's .eml) or as a storage
// of property streams (Outlook's .msg).
std::vector<OfferedFormat> DraggedMessageStream(const std::wstring& name, const std::string& bytes);
std::vector<OfferedFormat> DraggedMessageStorage(
    const std::wstring& name, const std::vector<std::pair<std::wstring, std::string>>& streams);

struct DragOutcome {
  bool started = false;   // DoDragDrop was entered
  bool finished = false;  // and returned in time
  HRESULT result = E_FAIL;
  DWORD effect = DROPEFFECT_NONE;
  // Every effect the target answered while the mouse moved over it.
  DWORD effects_offered_by_target = DROPEFFECT_NONE;
};

// Presses the left button on a small source window placed at `from`, glides
// to `to` and releases there.
DragOutcome DragAndDrop(const std::vector<OfferedFormat>& formats, POINT from, POINT to);

// Where a drag onto the window starts: beside it, where nothing covers the
// source, on whichever side the screen has room.
POINT BesideWindow(HWND window);

}  // namespace vorenta_e2e
