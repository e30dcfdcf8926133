#include "platform/win32/win32_outlook_items.h"

#include <algorithm>

#include "platform/win32/scoped_win32.h"
#include "platform/win32/wide_string.h"

namespace vorenta {

namespace {

std::optional<std::string> ReadWholeStream(IStream* stream, std::uint64_t size) {
  std::string bytes;
  bytes.resize(static_cast<size_t>(size));
  size_t done = 0;
  while (done < bytes.size()) {
    const ULONG chunk = static_cast<ULONG>(std::min<size_t>(bytes.size() - done, 1u << 24));
    ULONG read = 0;
    if (FAILED(stream->Read(bytes.data() + done, chunk, &read)) || read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace

std::optional<ItemStreams> ReadStorageStreams(IStorage* storage) {
  if (!storage) return std::nullopt;
  ComRef<IEnumSTATSTG> elements;
  if (FAILED(storage->EnumElements(0, nullptr, 0, elements.out()))) return std::nullopt;
  ItemStreams streams;
  std::uint64_t total = 0;
  STATSTG element{};
  while (elements->Next(1, &element, nullptr) == S_OK) {
    const CoTaskString name(element.pwcsName);
    if (element.type != STGTY_STREAM || !name.get()) continue;
    total += element.cbSize.QuadPart;
    if (total > kMaxItemBytes) return std::nullopt;
    ComRef<IStream> stream;
    if (FAILED(storage->OpenStream(name.get(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0,
                                   stream.out()))) {
      continue;
    }
    if (auto bytes = ReadWholeStream(stream.get(), element.cbSize.QuadPart)) {
      streams.Put(FromWide(name.get(), wcslen(name.get())), std::move(*bytes));
    }
  }
  return streams;
}

std::optional<ItemStreams> Win32OutlookItemFiles::Read(const std::u16string& path,
                                                       std::uint32_t& error) const {
  const std::wstring wide = ToWide(path);
  ComRef<IStorage> storage;
  HRESULT result = StgOpenStorage(wide.c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE, nullptr,
                                  0, storage.out());
  // Another program that has it open for writing: a snapshot of it.
  if (FAILED(result)) {
    result =
        StgOpenStorage(wide.c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_NONE | STGM_TRANSACTED,
                       nullptr, 0, storage.out());
  }
  if (FAILED(result)) {
    error = HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result)
                                                       : static_cast<std::uint32_t>(result);
    return std::nullopt;
  }
  auto streams = ReadStorageStreams(storage.get());
  if (!streams) error = ERROR_FILE_TOO_LARGE;
  return streams;
}

}  // namespace vorenta
