#include "vorenta_session.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <stdexcept>

#include "file_bytes.h"
#include "program_paths.h"
#include "text_convert.h"
#include "windows_of_process.h"

namespace vorenta_e2e {

namespace {

std::string Narrow(const std::wstring& s) { return Utf8(U16(s)); }

}  // namespace

VorentaSession::VorentaSession(const SessionOptions& options) {
  CreateFolder();
  if (options.keyword_file_bytes &&
      !WriteFileBytes(PathOf(kKeywordFile), *options.keyword_file_bytes)) {
    throw std::runtime_error("cannot write the keyword file in " + Narrow(folder_));
  }
  for (const auto& [name, bytes] : options.files) {
    if (!WriteFileBytes(PathOf(name.c_str()), bytes)) {
      throw std::runtime_error("cannot write a file in " + Narrow(folder_));
    }
  }
  PlaceFilesBeside(options.files_beside);
  if (!options.native_first_dlls.empty() && RunningUnderWine()) {
    native_first_dlls_.emplace(L"Vorenta.exe", options.native_first_dlls);
  }
  if (options.before_start) options.before_start(folder_);
  try {
    Start();
    if (options.wait_for_window) FindWindowOfProcess();
  } catch (const std::runtime_error& error) {
    Stop();
    throw std::runtime_error(std::string(error.what()) + "; kept test folder " + Narrow(folder_));
  }
}

VorentaSession::~VorentaSession() {
  Stop();
  // A failed test keeps its folder for a look at the files.
  if (::testing::Test::HasFailure()) {
    std::printf("kept test folder %s\n", Narrow(folder_).c_str());
  } else {
    RemoveFolder();
  }
}

void VorentaSession::CreateFolder() {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring base = std::wstring(temp) + L"vorenta-e2e";
  CreateDirectoryW(base.c_str(), nullptr);
  for (int attempt = 0; attempt < 100; ++attempt) {
    folder_ = base + L"\\run-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(counter++);
    if (CreateDirectoryW(folder_.c_str(), nullptr)) return;
  }
  throw std::runtime_error("cannot create a test folder under " + Narrow(base));
}

void VorentaSession::PlaceFilesBeside(const std::vector<std::wstring>& paths) {
  for (const std::wstring& path : paths) {
    const std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    if (!CopyFileW(path.c_str(), PathOf(name.c_str()).c_str(), FALSE)) {
      throw std::runtime_error("cannot copy " + Narrow(path));
    }
  }
}

void VorentaSession::Start() {
  const std::wstring exe = PathOf(L"Vorenta.exe");
  if (!CopyFileW(Programs().vorenta_exe.c_str(), exe.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy " + Narrow(Programs().vorenta_exe));
  }
  Launch(process_);
}

void VorentaSession::Launch(PROCESS_INFORMATION& process) const {
  Launch(process, PathOf(L"Vorenta.exe"));
}

void VorentaSession::Launch(PROCESS_INFORMATION& process, const std::wstring& exe) const {
  // Inherited by the program and from it by the browser it starts.
  SetEnvironmentVariableW(L"VORENTA_STUB_LOG", PathOf(kBrowserLogFile).c_str());
  std::wstring command_line = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.c_str(), &startup, &process)) {
    throw std::runtime_error("cannot start " + Narrow(exe));
  }
}

void VorentaSession::FindWindowOfProcess() {
  WaitForInputIdle(process_.hProcess, 15000);
  HWND found = nullptr;
  WaitUntil(
      [&] {
        // By its class as well: a message box has the program's name as its title.
        found =
            vorenta::testing::FindTopLevelWindow(process_.dwProcessId, L"VorentaForm1", L"Vorenta");
        return found != nullptr || !IsRunning();
      },
      std::chrono::seconds(20));
  DWORD exit_code = 0;
  if (!found && GetExitCodeProcess(process_.hProcess, &exit_code) && exit_code != STILL_ACTIVE) {
    char message[80];
    std::snprintf(message, sizeof message, "Vorenta ended with code 0x%lX before showing a window",
                  exit_code);
    throw std::runtime_error(message);
  }
  if (!found) throw std::runtime_error("Vorenta showed no window named \"Vorenta\"");
  window_ = found;
}

bool VorentaSession::BringToFront() {
  return WaitUntil(
      [&] {
        if (GetForegroundWindow() == window_) return true;
        SetForegroundWindow(window_);
        return false;
      },
      std::chrono::seconds(5));
}

void VorentaSession::Kill() { Stop(); }

void VorentaSession::Restart() {
  Stop();
  window_ = nullptr;
  Launch(process_);
  FindWindowOfProcess();
}

PROCESS_INFORMATION VorentaSession::StartAnotherCopy() const {
  return StartAnotherCopy(PathOf(L"Vorenta.exe"));
}

PROCESS_INFORMATION VorentaSession::StartAnotherCopy(const std::wstring& program_path) const {
  PROCESS_INFORMATION process{};
  Launch(process, program_path);
  return process;
}

bool VorentaSession::WaitForExit(std::chrono::milliseconds timeout) {
  return WaitUntil([&] { return !IsRunning(); }, timeout);
}

bool VorentaSession::IsRunning() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void VorentaSession::Stop() {
  if (!process_.hProcess) return;
  if (IsRunning()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  process_ = {};
}

void VorentaSession::RemoveFolder() {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder_ + L"\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name != L"." && name != L"..") DeleteFileW(PathOf(name.c_str()).c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(folder_.c_str());
}

}  // namespace vorenta_e2e
