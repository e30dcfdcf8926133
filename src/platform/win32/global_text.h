#pragma once
// Text in movable global memory, as the clipboard and OLE data objects hand
// it over. Reading never trusts a terminating NUL: the block's own size is
// the limit.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace vorenta {

// CF_UNICODETEXT: up to the first NUL or the end of the block.
std::u16string ReadWideText(HGLOBAL memory);

// The same text, handed to `use` while the block is locked.
void UseWideText(HGLOBAL memory, const std::function<void(std::u16string_view)>& use);

// CF_TEXT: bytes in the ANSI code page, up to the first NUL or the end of
// the block.
std::u16string ReadAnsiText(HGLOBAL memory);

// NUL-terminated copies for handing over; nullptr when memory runs out. The
// receiver owns the block.
HGLOBAL MakeWideText(const std::u16string& text);
HGLOBAL MakeAnsiText(const std::u16string& text);

// ANSI code page conversion, lossy characters becoming the default one.
std::u16string AnsiToWide(const char* bytes, int length);
std::string WideToAnsi(const std::u16string& text);

}  // namespace vorenta
